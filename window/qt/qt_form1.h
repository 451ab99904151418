#pragma once

#include "form1.h"
#include "form1_view.h"

#include <QWidget>
#include <string_view>

class QPushButton;

namespace testola {

class MatrixPanel;
class RandomSource;
class Runtime;

// The program's only window on Qt Widgets: a title strip of its own, the matrix panel and the buttons, built
// from the layout table. It shows what Form1 decides and hands it every press and the Enter and Escape keys.
class QtForm1 : public QWidget, public Form1View {
public:
    QtForm1(Runtime& runtime, RandomSource& random, QWidget* parent = nullptr);

    const ExamState& State() const { return m_form.State(); }

    std::string Caption(std::string_view button) const override;
    void SetCaption(std::string_view button, const std::string& text) override;
    std::string Tooltip(std::string_view button) const override;
    void SetTooltip(std::string_view button, const std::string& text) override;
    bool IsEnabled(std::string_view button) const override;
    void SetEnabled(std::string_view button, bool enabled) override;
    void SetFocus(std::string_view button) override;
    void SetPanelCaption(const std::string& text) override;
    void SetDescription(std::string_view button, const std::string& text) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SetTabOrder();
    QPushButton* MakeButton(std::string_view name);
    QPushButton* Button(std::string_view name) const;
    void RepaintFocusMarks();

    Form1 m_form;
    double m_scale;
    MatrixPanel* m_panel = nullptr;
};

} // namespace testola
