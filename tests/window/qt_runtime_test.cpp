#include "application_setup.h"
#include "form1.h"
#include "modal_helper.h"
#include "qt_printing.h"
#include "qt_runtime.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace testola::testing {
namespace {

class RealDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.resize(313, 137);
        m_window.show();
        m_runtime.SetWindow(&m_window);
    }

    QWidget m_window;
    QtRuntime m_runtime;
};

TEST_F(RealDialogs, InputBoxOffersZeroSelectedAndReturnsWhatWasTyped) {
    QString title;
    QString prompt;
    QString selected;
    QStringList buttons;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        prompt = dialog->labelText();
        auto* edit = dialog->findChild<QLineEdit*>();
        selected = edit->selectedText();
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            buttons << button->text();
        }
        QTest::keyClicks(edit, QStringLiteral("4.5"));
        QTest::keyClick(edit, Qt::Key_Return);
    });

    const std::string answer = m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0");

    EXPECT_EQ(answer, "4.5");
    EXPECT_EQ(title.toStdString(), "Ввод ответа");
    EXPECT_EQ(prompt.toStdString(), "Введите ответ");
    EXPECT_EQ(selected.toStdString(), "0");
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("ОК"), QStringLiteral("Отмена")}));
}

TEST_F(RealDialogs, InputBoxReturnsTheEmptyTextWhenEscaped) {
    OnNextModal([](QWidget* modal) {
        QTest::keyClicks(modal->focusWidget(), QStringLiteral("7"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0"), "");
}

TEST_F(RealDialogs, InputBoxReturnsTheEmptyTextWhenClosed) {
    OnNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0"), "");
}

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
};

// Records the next message box as it is shown, then closes it with Enter.
std::shared_ptr<ShownBox> CaptureNextMessageBox() {
    auto shown = std::make_shared<ShownBox>();
    OnNextModal([shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown->title = box->windowTitle();
        shown->text = box->text();
        shown->icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            shown->buttons << button->text();
        }
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            shown->format = label->textFormat();
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    return shown;
}

TEST_F(RealDialogs, MessageBoxShowsTitleBodyLinesAndTheStopIcon) {
    const auto shown = CaptureNextMessageBox();

    m_runtime.ShowMessageBox("Вам отказано в приёме на учебу\r\n\r\nНабрано баллов: 6", MessageStyle::Stop,
                             "Тестирование не пройдено");

    EXPECT_EQ(shown->title.toStdString(), "Тестирование не пройдено");
    EXPECT_EQ(shown->text.toStdString(), "Вам отказано в приёме на учебу\n\nНабрано баллов: 6");
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_EQ(shown->buttons, QStringList{QStringLiteral("ОК")});
}

TEST_F(RealDialogs, MessageBoxOfThePlainStyleHasNoIconAndShowsMarkupAsText) {
    const auto shown = CaptureNextMessageBox();
    m_runtime.ShowMessageBox("<b>16</b>", MessageStyle::Plain, "Тестирование успешно пройдено");
    EXPECT_EQ(shown->format, Qt::PlainText);
    EXPECT_EQ(shown->icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown->text.toStdString(), "<b>16</b>");
}

// The window put together with a Qt runtime as the program's entry does it, and shown.
template <class RuntimeType> struct ShownProgram {
    ShownProgram() {
        runtime.SetWindow(&form);
        form.show();
    }
    RuntimeType runtime;
    Form1 form{runtime};
};

// The program itself, with its real dialogs, taken through a whole exam by keyboard alone.
TEST(RealProgram, AWholeExamByKeyboardWithTheRealDialogs) {
    ShownProgram<QtRuntime> program;
    Form1& form = program.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto press = [&form](Qt::Key key) {
        QTest::keyClick(form.focusWidget() != nullptr ? form.focusWidget() : &form, key);
    };

    for (int example = 1; example <= 8; ++example) {
        press(Qt::Key_Return);
        ASSERT_EQ(form.State().ExampleNumber, example);
        const QString answer = QString::number(form.State().CorrectAnswer);
        OnNextModal([answer](QWidget* modal) {
            QTest::keyClicks(modal->focusWidget(), answer);
            QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
        press(Qt::Key_Return);
    }
    EXPECT_EQ(form.State().Score, 16);

    const auto verdict = CaptureNextMessageBox();
    press(Qt::Key_Return);
    EXPECT_EQ(verdict->text.toStdString(), "Вы имеете право поступить на дневное отделение\n\nНабрано баллов: 16");
}

// A runtime whose random numbers fail, to see the real report and the real end of the program.
class FailingRuntime : public QtRuntime {
public:
    float NextRandom() override { RaiseRunTimeError(RunTimeErrorKind::FloatingPointFault); }
};

TEST(RealProgram, AFailureIsReportedAndEndsTheProgramWithAFailureStatus) {
    ShownProgram<FailingRuntime> program;
    Form1& form = program.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const auto shown = CaptureNextMessageBox();
    QTimer::singleShot(0, &form, [&form] { QTest::keyClick(form.focusWidget(), Qt::Key_Return); });

    const int status = QApplication::exec();

    EXPECT_NE(status, 0);
    EXPECT_EQ(shown->title.toStdString(), "Testola");
    EXPECT_EQ(shown->text.toStdString(), RunTimeErrorDescription(RunTimeErrorKind::FloatingPointFault));
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_FALSE(form.isVisible());
}

TEST(RealProgram, TheExitButtonEndsTheEventLoopWithSuccess) {
    ShownProgram<QtRuntime> program;
    Form1& form = program.form;
    QTimer::singleShot(0, &form, [&form] { form.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace testola::testing
