#include "form1_fixture.h"
#include "matrix_script.h"
#include "verdict.h"

#include <QKeyEvent>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>
#include <string>
#include <utility>
#include <vector>

namespace testola::testing {
namespace {

const ExampleMatrix kFourAndAHalf{{{9, 0, 3}, {3, 3, 3}, {3, 3, 3}}};

// Which of the window's controls receive the keyboard focus, in order.
class FocusLog : public QObject {
public:
    explicit FocusLog(const QWidget* window) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            control->installEventFilter(this);
        }
    }
    std::vector<std::string> Take() { return std::exchange(m_received, {}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            m_received.push_back(watched->objectName().toStdString());
        }
        return false;
    }

private:
    std::vector<std::string> m_received;
};

using Names = std::vector<std::string>;

TEST_F(Form1Test, AWholeExamTakesOnlyEnterAndTypedAnswersAndTheFocusGoesStraightToTheNextButton) {
    FocusLog focus(m_form.get());
    for (int example = 0; example < 8; ++example) {
        m_random.QueueRandoms(RandomsForMatrix(kFourAndAHalf));
        m_runtime.QueueAnswer("4.5");
        PressKey(Qt::Key_Return);
        EXPECT_EQ(focus.Take(), Names{"Command6"});
        PressKey(Qt::Key_Enter);
        EXPECT_EQ(focus.Take(), Names{example < 7 ? "Command4" : "Command5"});
    }
    EXPECT_EQ(m_form->State().ExampleNumber, 8);
    EXPECT_EQ(m_runtime.InputBoxes.size(), 8u);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(focus.Take(), Names{"Command4"});
    ASSERT_EQ(m_runtime.Messages.size(), 1u);
    EXPECT_EQ(m_runtime.Messages[0].Prompt, MakeVerdict(16).Body);
    EXPECT_EQ(m_runtime.MinimiseCount, 0);
    EXPECT_EQ(m_runtime.EndCount, 0);

    // And the next Enter starts a new exam.
    PressKey(Qt::Key_Return);
    EXPECT_EQ(m_form->State().ExampleNumber, 1);
    EXPECT_EQ(m_form->State().Score, 0);
}

// The desktop's theme as GNOME's is while it is in place: Return and Enter press a button as Space does, which
// clicks only as the key comes up. Everything else is asked of the theme it stands in for.
class ReturnPressesButtonsTheme : public QPlatformTheme {
public:
    ReturnPressesButtonsTheme() : m_desktops(std::exchange(QGuiApplicationPrivate::platform_theme, this)) {}
    ReturnPressesButtonsTheme(const ReturnPressesButtonsTheme&) = delete;
    ReturnPressesButtonsTheme& operator=(const ReturnPressesButtonsTheme&) = delete;
    ~ReturnPressesButtonsTheme() override { QGuiApplicationPrivate::platform_theme = m_desktops; }

    QVariant themeHint(ThemeHint hint) const override {
        if (hint == ButtonPressKeys) {
            return QVariant::fromValue(QList<Qt::Key>{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Select});
        }
        return m_desktops->themeHint(hint);
    }
    const QPalette* palette(Palette type) const override { return m_desktops->palette(type); }
    const QFont* font(Font type) const override { return m_desktops->font(type); }

private:
    QPlatformTheme* m_desktops;
};

TEST_F(Form1Test, EnterActsAsItGoesDownEvenWhereTheThemeMakesItPressButtons) {
    ReturnPressesButtonsTheme theme;
    m_random.QueueRandoms(RandomsForMatrix(kFourAndAHalf));
    QTest::keyPress(m_form->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(m_form->State().ExampleNumber, 1);
    EXPECT_EQ(m_form->focusWidget(), Button("Command6"));
    // Let go on the answer button, which has the focus now, it opens no box.
    QTest::keyRelease(m_form->focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(m_runtime.InputBoxes.empty());
    // Space still presses a button as the theme says: it clicks as it comes up.
    QTest::keyPress(m_form->focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(m_runtime.InputBoxes.empty());
    m_runtime.QueueAnswer("4.5");
    QTest::keyRelease(m_form->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(m_runtime.InputBoxes.size(), 1u);
}

TEST_F(Form1Test, EscapeEndsTheProgramWhateverHasTheFocus) {
    Button("Command2")->setFocus();
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(m_runtime.EndCount, 1);
    EXPECT_EQ(m_runtime.MinimiseCount, 0);
}

TEST_F(Form1Test, EnterPressesTheFocusedButtonRatherThanTheDefault) {
    Button("Command2")->setFocus();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(m_runtime.MinimiseCount, 1);
    EXPECT_EQ(m_form->State().ExampleNumber, 0);
}

TEST_F(Form1Test, EnterWithNoFocusedButtonPressesTheExamButtonButNeverWhenItIsDisabled) {
    m_form->focusWidget()->clearFocus();
    ASSERT_EQ(m_form->focusWidget(), nullptr);
    m_random.QueueRandoms(RandomsForMatrix(kFourAndAHalf));
    PressKey(Qt::Key_Enter);
    EXPECT_EQ(m_form->State().ExampleNumber, 1);

    // Now the exam button is disabled and waits for the answer.
    m_form->focusWidget()->clearFocus();
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter);
    EXPECT_EQ(m_form->State().ExampleNumber, 1);
    EXPECT_EQ(m_random.RandomsDrawn, 9);
    EXPECT_TRUE(m_runtime.InputBoxes.empty());
}

TEST_F(Form1Test, SpaceAlsoPressesTheFocusedButton) {
    m_random.QueueRandoms(RandomsForMatrix(kFourAndAHalf));
    PressKey(Qt::Key_Space);
    EXPECT_EQ(m_form->State().ExampleNumber, 1);
}

TEST_F(Form1Test, ACloseRequestFromTheDesktopEndsTheProgram) {
    m_form->close();
    EXPECT_EQ(m_runtime.EndCount, 1);
}

TEST_F(Form1Test, MinimisedAndRestoredByTheDesktopTheWindowKeepsItsExampleAndFocus) {
    m_random.QueueRandoms(RandomsForMatrix(kFourAndAHalf));
    PressKey(Qt::Key_Return);
    m_form->showMinimized();
    m_form->showNormal();
    EXPECT_EQ(m_form->focusWidget(), Button("Command6"));
    EXPECT_EQ(m_form->State().ExampleNumber, 1);
    EXPECT_EQ(m_runtime.MinimiseCount, 0);
}

TEST_F(Form1Test, DraggingTheTitleStripMovesTheWindowButAClickDoesNot) {
    QWidget* strip = m_form->findChild<QWidget*>(QStringLiteral("Label1"));
    const QPoint start = m_form->pos();
    // On the icon, which lets the press through to the strip.
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(m_form->pos(), start);

    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(strip, QPoint(140, 40));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(140, 40));
    EXPECT_EQ(m_form->pos(), start + QPoint(40, 30));
    // Nothing was pressed on the way.
    EXPECT_TRUE(Button("Command4")->isEnabled());
    EXPECT_EQ(m_form->State().ExampleNumber, 0);
    EXPECT_EQ(m_runtime.MinimiseCount + m_runtime.EndCount, 0);
}

} // namespace
} // namespace testola::testing
