#pragma once

#include "matrix_panel.h"
#include "qt_form1.h"
#include "qt_printing.h"
#include "scripted_random.h"
#include "scripted_runtime.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace testola::testing {

// The Qt window built with a scripted runtime and shown offscreen, its controls found by their object names.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        m_form = std::make_unique<QtForm1>(m_runtime, m_random);
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void TearDown() override { EXPECT_TRUE(m_runtime.Reports.empty()) << m_runtime.Reports.front(); }

    QWidget* Control(const char* name) const {
        auto* control = m_form->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QPushButton* Button(const char* name) const {
        auto* button = m_form->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // The panel has no meta-object of its own, so Qt cannot tell it from a plain push button: it is found as one
    // by its name and then taken as what it is.
    MatrixPanel* Panel() const {
        auto* panel = dynamic_cast<MatrixPanel*>(Button("Command3"));
        EXPECT_NE(panel, nullptr) << "Command3 is not the matrix panel";
        return panel;
    }
    std::string PanelCaption() const { return Panel()->text().toStdString(); }

    // A real mouse click in the middle of the button, which a disabled button ignores.
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

    // A key pressed where the keyboard focus of the window is, as the desktop would deliver it.
    void PressKey(Qt::Key key) {
        QWidget* target = m_form->focusWidget() != nullptr ? m_form->focusWidget() : m_form.get();
        QTest::keyClick(target, key);
    }

    ScriptedRuntime m_runtime;
    ScriptedRandom m_random;
    std::unique_ptr<QtForm1> m_form;
};

} // namespace testola::testing
