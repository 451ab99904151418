#include "application_setup.h"
#include "modal_helper.h"
#include "qt_form1.h"
#include "qt_layout.h"
#include "qt_printing.h"
#include "qt_program.h"
#include "qt_runtime.h"
#include "random_sequence.h"
#include "row_name.h"
#include "run_time_error.h"
#include "verdict.h"
#include "wayland_keyboard_focus.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <unistd.h>

namespace testola::testing {
namespace {

class RealDialogs : public ::testing::Test {
protected:
    explicit RealDialogs(bool boxesHideAfterTheirLastFrame = false) : m_runtime(boxesHideAfterTheirLastFrame) {}

    void SetUp() override {
        m_window.resize(ToPixels(Form1Client).size());
        m_window.show();
        m_runtime.SetWindow(&m_window);
    }

    QWidget m_window;
    QtRuntime m_runtime;
};

// The boxes as on Wayland: each hides only after its window's next update request, Qt's sign that the compositor
// has shown the box's last frame.
class BoxesHidingAfterTheirLastFrame : public RealDialogs, public ::testing::WithParamInterface<bool> {
protected:
    BoxesHidingAfterTheirLastFrame() : RealDialogs(GetParam()) {}
};

TEST(Waits, FailInsteadOfHangingWhenNoDialogOpensOrOneStaysOpen) {
    // The wait's failure is caught here as it is reported, and reported again for the check around it.
    EXPECT_NONFATAL_FAILURE(
        {
            ::testing::TestPartResultArray failures;
            {
                const ::testing::ScopedFakeTestPartResultReporter caught(
                    ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
                OnNextModal([](QWidget*) {}, std::chrono::milliseconds(50));
                static_cast<void>(QTest::qWaitFor([&failures] { return failures.size() > 0; },
                                                  static_cast<int>(kWaitDeadline.count())));
            }
            for (int index = 0; index < failures.size(); ++index) {
                ADD_FAILURE() << failures.GetTestPartResult(index).message();
            }
        },
        "no dialog opened within 50 ms");
    EXPECT_NONFATAL_FAILURE(
        {
            OnNextModal([](QWidget*) {}, std::chrono::milliseconds(50));
            QMessageBox box;
            box.exec();
        },
        "the dialog was still open 50 ms after the test's steps in it");
    EXPECT_NONFATAL_FAILURE(RunEventLoop(std::chrono::milliseconds(50)), "the event loop did not end within 50 ms");
}

// What a desktop's title bar needs for a title: the title in bold 11-point type, and some 100 pixels for the
// frame's icon and its three buttons.
int TitleBarNeeds(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), 11.0));
    return QFontMetrics(font).horizontalAdvance(title) + 100;
}

const InputBoxParts kExtras{{"9 0 3", "3 3 3", "3 3 3"}, "Пример 2. Строка 1: 9, 0, 3.", "после точки"};

TEST_F(RealDialogs, InputBoxOffersZeroSelectedAndReturnsWhatWasTyped) {
    QString title;
    QString prompt;
    QString selected;
    QStringList buttons;
    OnNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        prompt = modal->findChild<QLabel*>(QStringLiteral("prompt"))->text();
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("answer"));
        selected = edit->selectedText();
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            buttons << button->text();
        }
        QTest::keyClicks(edit, QStringLiteral("4.5"));
        QTest::keyClick(edit, Qt::Key_Return);
    });

    const std::string answer = m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras);

    EXPECT_EQ(answer, "4.5");
    EXPECT_EQ(title.toStdString(), "Ввод ответа");
    EXPECT_EQ(prompt.toStdString(), "Введите ответ");
    EXPECT_EQ(selected.toStdString(), "0");
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("ОК"), QStringLiteral("Отмена")}));
}

TEST_F(RealDialogs, InputBoxShowsTheExampleAboveThePromptAndASmallerHintBelowTheField) {
    OnNextModal([](QWidget* modal) {
        const auto part = [modal](const char* name) { return modal->findChild<QWidget*>(QString::fromLatin1(name)); };
        auto* example = qobject_cast<QLabel*>(part("example"));
        auto* hint = qobject_cast<QLabel*>(part("hint"));
        auto* edit = qobject_cast<QLineEdit*>(part("answer"));
        ASSERT_TRUE(example != nullptr && hint != nullptr && edit != nullptr);
        EXPECT_EQ(example->text().toStdString(), "9 0 3\n3 3 3\n3 3 3");
        EXPECT_TRUE(example->isVisible());
        EXPECT_LT(example->geometry().bottom(), part("prompt")->geometry().top());
        EXPECT_LT(edit->geometry().bottom(), hint->geometry().top());
        EXPECT_EQ(hint->text().toStdString(), "после точки");
        EXPECT_LT(hint->font().pointSizeF(), edit->font().pointSizeF());

        // A screen reader hears the prompt as the field's name and the example as its description.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(edit);
        EXPECT_EQ(field->text(QAccessible::Name).toStdString(), "Введите ответ");
        EXPECT_EQ(field->text(QAccessible::Description).toStdString(), "Пример 2. Строка 1: 9, 0, 3.");
        // Qt's own texts are Russian too.
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
        }
        EXPECT_TRUE(items.contains(QStringLiteral("&Копировать"))) << items.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(items.contains(QStringLiteral("&Отменить действие"))) << items.join(QLatin1Char(' ')).toStdString();
        EXPECT_GE(modal->width(), TitleBarNeeds(QStringLiteral("Ввод ответа")));
        modal->close();
    });
    m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras);
}

TEST_F(RealDialogs, InputBoxReturnsTheEmptyTextWhenEscaped) {
    OnNextModal([](QWidget* modal) {
        QTest::keyClicks(modal->focusWidget(), QStringLiteral("7"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras), "");
}

TEST_F(RealDialogs, InputBoxReturnsTheEmptyTextWhenClosed) {
    OnNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras), "");
}

TEST_F(RealDialogs, InputBoxOpenedAgainShowsTheNewQuestionWithTheDefaultSelectedAndTheFieldFocused) {
    QWidget* firstBox = nullptr;
    OnNextModal([&firstBox](QWidget* modal) {
        firstBox = modal;
        QTest::keyClicks(modal->focusWidget(), QStringLiteral("7"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_Tab); // the focus leaves the field for a button
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras);

    QWidget* secondBox = nullptr;
    QString example;
    QString selected;
    QString description;
    QWidget* focused = nullptr;
    OnNextModal([&](QWidget* modal) {
        secondBox = modal;
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("answer"));
        example = modal->findChild<QLabel*>(QStringLiteral("example"))->text();
        selected = edit->selectedText();
        description = QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description);
        focused = modal->focusWidget() == edit ? edit : nullptr;
        QTest::keyClick(edit, Qt::Key_Return);
    });
    const InputBoxParts second{{"10 1 2", "0 5 5", "4 4 4"}, "Пример 3. Строка 1: 10, 1, 2.", "после точки"};
    const std::string answer = m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", second);

    EXPECT_EQ(answer, "0");
    EXPECT_EQ(example.toStdString(), "10 1 2\n0 5 5\n4 4 4");
    EXPECT_EQ(selected.toStdString(), "0");
    EXPECT_EQ(description.toStdString(), "Пример 3. Строка 1: 10, 1, 2.");
    EXPECT_NE(focused, nullptr) << "the field is not focused as the box opens again";
    EXPECT_EQ(secondBox, firstBox) << "the box was built anew rather than shown again";
}

// Keys the X server addressed to a box before it closed are dropped unseen if Qt has destroyed its native window
// by then; so a box closed by its button or by the window manager keeps the native window.
TEST_F(RealDialogs, BoxesKeepTheirNativeWindowsWhenTheyClose) {
    QWindow* boxWindow = nullptr;
    const auto closeWith = [&boxWindow](bool byWindowManager) {
        OnNextModal([&boxWindow, byWindowManager](QWidget* modal) {
            boxWindow = modal->windowHandle();
            byWindowManager ? void(modal->close()) : QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
        });
    };
    for (const bool byWindowManager : {false, true}) {
        closeWith(byWindowManager);
        const std::string answer = m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras);
        EXPECT_EQ(answer, byWindowManager ? "" : "0");
        ASSERT_NE(boxWindow, nullptr);
        EXPECT_NE(boxWindow->handle(), nullptr) << "closed by the window manager: " << byWindowManager;
    }
    closeWith(false);
    m_runtime.ShowMessageBox("Тест", MessageStyle::Plain, "Итог");
    ASSERT_NE(boxWindow, nullptr);
    EXPECT_NE(boxWindow->handle(), nullptr) << "the verdict's box";
}

struct DecimalKeyRow : NamedRow {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* typed;
};

class DecimalKey : public RealDialogs, public ::testing::WithParamInterface<DecimalKeyRow> {};

// 4, the key, 5: the keypad's decimal key gives the point whatever the layout makes of it, the main keyboard's
// comma stays a comma (which ends the number).
TEST_P(DecimalKey, TypesWhatItMeansInTheAnswerField) {
    const DecimalKeyRow row = GetParam();
    OnNextModal([row](QWidget* modal) {
        QTest::keyClick(modal->focusWidget(), Qt::Key_4);
        QTest::keyClick(modal->focusWidget(), row.key, row.modifiers);
        QTest::keyClick(modal->focusWidget(), Qt::Key_5);
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras), row.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DecimalKey,
    ::testing::Values(DecimalKeyRow{{"KeypadCommaOfTheRussianLayout"}, Qt::Key_Comma, Qt::KeypadModifier, "4.5"},
                      DecimalKeyRow{{"KeypadPoint"}, Qt::Key_Period, Qt::KeypadModifier, "4.5"},
                      DecimalKeyRow{{"MainKeyboardComma"}, Qt::Key_Comma, Qt::NoModifier, "4,5"},
                      DecimalKeyRow{{"MainKeyboardPoint"}, Qt::Key_Period, Qt::NoModifier, "4.5"}),
    RowName());

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
    int width = 0;
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
        shown->width = box->width();
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

class ResultBox : public RealDialogs, public ::testing::WithParamInterface<int> {};

TEST_P(ResultBox, IsWideEnoughForTheVerdictsTitleInTheWindowManagersTitleBar) {
    const Verdict verdict = MakeVerdict(static_cast<std::int16_t>(GetParam()));
    const auto shown = CaptureNextMessageBox();
    m_runtime.ShowMessageBox(verdict.Body, verdict.Style, verdict.Title);
    EXPECT_GE(shown->width, TitleBarNeeds(QString::fromStdString(verdict.Title))) << verdict.Title;
}

INSTANTIATE_TEST_SUITE_P(Scores, ResultBox, ::testing::Values(16, 12, 8, 6));

// The program as its entry puts it together, and shown.
template <class RandomType = RandomSequence> struct ShownProgram : QtProgram<RandomType> {
    ShownProgram() { this->form.show(); }
};

// The program itself, with its real dialogs, taken through a whole exam by keyboard alone.
TEST(RealProgram, AWholeExamByKeyboardWithTheRealDialogs) {
    ShownProgram<> program;
    QtForm1& form = program.form;
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
    EXPECT_EQ(verdict->text,
              QString::fromStdString(MakeVerdict(16).Body).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // What the window shows once the box has closed and the window has been drawn again, read from its backing
    // store rather than painted anew: the focus ring, just inside a button's edge, on the exam button alone.
    QStringList marked;
    const auto readMarks = [&form, &marked] {
        const QImage shown = form.screen()->grabWindow(form.winId()).toImage();
        marked.clear();
        for (const char* name : {"Command1", "Command2", "Command4", "Command5", "Command6"}) {
            const QRect box = form.findChild<QPushButton*>(QString::fromLatin1(name))->geometry();
            if (shown.pixel(box.left() + 1, box.center().y()) != shown.pixel(box.left() + 2, box.center().y())) {
                marked << QString::fromLatin1(name);
            }
        }
        return marked == QStringList{QStringLiteral("Command4")};
    };
    EXPECT_TRUE(QTest::qWaitFor(readMarks, static_cast<int>(kWaitDeadline.count())))
        << "marked: " << marked.join(QLatin1Char(' ')).toStdString();
}

// A larger desktop font enlarges the window by its ratio to Qt's 9 points; the boxes take the font itself, not
// the window's.
TEST(RealProgram, TheDialogsFollowTheDesktopsFontAsTheWindowDoes) {
    const QFont before = QApplication::font();
    QFont desktop = before;
    desktop.setPointSizeF(13.5);
    QApplication::setFont(desktop);
    double prompt = 0;
    double message = 0;
    {
        ShownProgram<> program;
        EXPECT_DOUBLE_EQ(program.form.font().pointSizeF(), 8.25 * 1.5);
        OnNextModal([&prompt](QWidget* modal) {
            prompt = modal->findChild<QLabel*>(QStringLiteral("prompt"))->font().pointSizeF();
            modal->close();
        });
        program.runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras);
        OnNextModal([&message](QWidget* modal) {
            message = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font().pointSizeF();
            modal->close();
        });
        program.runtime.ShowMessageBox("Набрано баллов: 16", MessageStyle::Plain, "Тестирование успешно пройдено");
    }
    QApplication::setFont(before);
    EXPECT_DOUBLE_EQ(prompt, 13.5);
    EXPECT_DOUBLE_EQ(message, 13.5);
}

// Random numbers that fail, to see the real report and the real end of the program.
class FailingRandom : public RandomSource {
public:
    float NextRandom() override { RaiseRunTimeError(RunTimeErrorKind::FloatingPointFault); }
};

TEST(RealProgram, AFailureIsReportedAndEndsTheProgramWithAFailureStatus) {
    ShownProgram<FailingRandom> program;
    QtForm1& form = program.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const auto shown = CaptureNextMessageBox();
    QTimer::singleShot(0, &form, [&form] { QTest::keyClick(form.focusWidget(), Qt::Key_Return); });

    const int status = RunEventLoop();

    EXPECT_EQ(status, 1);
    EXPECT_EQ(shown->title.toStdString(), "Testola");
    EXPECT_EQ(shown->text.toStdString(), RunTimeErrorDescription(RunTimeErrorKind::FloatingPointFault));
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_GE(shown->width, TitleBarNeeds(QStringLiteral("Testola")));
    EXPECT_FALSE(form.isVisible());
}

TEST(RealProgram, TheExitButtonEndsTheEventLoopWithSuccess) {
    ShownProgram<> program;
    QtForm1& form = program.form;
    QTimer::singleShot(0, &form, [&form] { form.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); });
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_FALSE(form.isVisible());
}

// Keys as the window system queues them for a window, each pressed and released: the window keeps the keyboard
// for a while after a box opens, and the box keeps it for a while after it closes.
void QueueForWindow(QWindow* window, const QString& keys) {
    for (const QChar typed : keys) {
        const bool isReturn = typed == QLatin1Char('\n');
        const int key = isReturn ? int(Qt::Key_Return) : typed.toUpper().unicode();
        const QString text = isReturn ? QStringLiteral("\r") : QString(typed);
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(window, type, key,
                                                                                                 Qt::NoModifier, text);
        }
    }
}
void QueueForWindow(QWidget& window, const QString& keys) {
    QueueForWindow(window.windowHandle(), keys);
}

// Waits until the queued keys are taken: the test has queued its last (`allQueued`), Qt's queue of window-system
// events is empty and no box is open. The wait ends there, from the outermost event loop, where no handler is
// running and so the key handover holds no key. A box left open by a lost key is closed at the deadline, and the
// test fails. The deadline ends with the wait, so that on a loaded machine it never closes a box of a later test.
void TakeQueuedKeys(const std::function<bool()>& allQueued = [] { return true; }) {
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a box was still open: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    deadline.start(kWaitDeadline);
    const bool taken = QTest::qWaitFor(
        [&allQueued] {
            return allQueued() && QWindowSystemInterface::windowSystemEventsQueued() == 0 &&
                   QApplication::activeModalWidget() == nullptr;
        },
        static_cast<int>(kWaitDeadline.count()));
    EXPECT_TRUE(taken) << "keys were still queued after " << kWaitDeadline.count() << " ms";
}

// The keys a window takes, each as + or - (pressed or released) and its text.
class KeysTaken : public QObject {
public:
    explicit KeysTaken(QWidget& window) { window.installEventFilter(this); }
    QString Keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            Keys += (event->type() == QEvent::KeyPress ? QLatin1Char('+') : QLatin1Char('-')) +
                    static_cast<QKeyEvent*>(event)->text();
        }
        return false;
    }
};

// Return closes the box; the keys after it reach the window in the order typed, those Qt had queued for the box
// and those queued as the event loop woke after it had closed: where Qt's Wayland plugin reads the compositor's
// keys, and with them those for the box's surface, already gone, that the program sends on.
TEST_P(BoxesHidingAfterTheirLastFrame, KeysQueuedAsABoxClosesReachTheWindowInTheOrderTyped) {
    KeysTaken taken(m_window);
    QMetaObject::Connection wake;
    bool lastQueued = false;
    OnNextModal([&wake, &lastQueued](QWidget* modal) {
        QWindow* box = modal->windowHandle();
        QueueForWindow(box, QStringLiteral("\nab"));
        wake = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, box,
                                [box, &wake, &lastQueued] {
                                    if (!box->isVisible()) {
                                        QObject::disconnect(wake);
                                        QueueForWindow(box, QStringLiteral("cd"));
                                        lastQueued = true;
                                    }
                                });
    });
    m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras);
    TakeQueuedKeys([&lastQueued] { return lastQueued; });
    QObject::disconnect(wake);
    EXPECT_EQ(taken.Keys.toStdString(), "-\r+a-a+b-b+c-c+d-d");
}

// A compositor that never answers the box's last frame does not keep it open, nor the answer from the exam.
TEST_P(BoxesHidingAfterTheirLastFrame, ABoxClosesWhenItsLastFrameIsNeverAnswered) {
    struct NoUpdates : QObject {
        bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::UpdateRequest; }
    } noUpdates;
    OnNextModal([&noUpdates](QWidget* modal) {
        modal->windowHandle()->installEventFilter(&noUpdates);
        QTest::keyClicks(modal->focusWidget(), QStringLiteral("4.5"));
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kExtras), "4.5");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(AtOnceOrAfterTheLastFrame, BoxesHidingAfterTheirLastFrame, ::testing::Bool());

// What the compositor does, one step at a time ("enter box", "leave window", "enter gone" for a surface the program
// has destroyed, "enter other" for a live one of no window's, "hide box", "show box"), and which window's keys Qt
// then drops and are sent on.
struct KeyboardFocusRow : NamedRow {
    std::vector<std::string> steps;
    const char* lostFor; // "box", or "" for none
};

class WaylandKeyboardFocusRules : public ::testing::TestWithParam<KeyboardFocusRow> {};

TEST_P(WaylandKeyboardFocusRules, SendOnTheKeysQtDropsForABoxAndNoOthers) {
    QWindow window;
    QWindow box;
    box.setTransientParent(&window);
    window.show();
    box.show();
    WaylandKeyboardFocus focus;
    for (const std::string& step : GetParam().steps) {
        const std::string target = step.substr(step.find(' ') + 1);
        QWindow* const named = target == "box" ? &box : target == "window" ? &window : nullptr;
        if (step == "enter gone") {
            focus.EnterGone();
        } else if (step.starts_with("enter")) {
            focus.Enter(named);
        } else if (step.starts_with("leave")) {
            focus.Leave(named);
        } else {
            box.setVisible(step.starts_with("show"));
        }
    }
    EXPECT_EQ(focus.LostKeysBox(), GetParam().lostFor == std::string("box") ? &box : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WaylandKeyboardFocusRules,
    ::testing::Values(
        KeyboardFocusRow{{"OnTheWindow"}, {"enter window"}, ""}, KeyboardFocusRow{{"OnTheShownBox"}, {"enter box"}, ""},
        KeyboardFocusRow{{"BoxHiddenWithTheKeyboard"}, {"enter box", "hide box"}, "box"},
        KeyboardFocusRow{{"ThenLeftAsGone"}, {"enter box", "hide box", "leave gone"}, "box"},
        KeyboardFocusRow{{"ThenTheWindowEntered"}, {"enter box", "hide box", "enter window"}, ""},
        KeyboardFocusRow{{"BoxShownAgainBeforeItsNewSurfaceIsEntered"}, {"enter box", "hide box", "show box"}, "box"},
        KeyboardFocusRow{
            {"BoxGivenTheKeyboardOnlyAfterItHid"}, {"enter window", "hide box", "leave window", "enter gone"}, "box"},
        KeyboardFocusRow{{"KeysAfterTheWindowIsLeft"}, {"enter window", "leave window"}, ""},
        KeyboardFocusRow{{"ALeaveFromASurfaceWithoutTheKeyboard"}, {"enter box", "hide box", "leave window"}, "box"},
        KeyboardFocusRow{{"AGoneSurfaceWithNoBoxHidden"}, {"enter gone"}, ""},
        KeyboardFocusRow{{"ALiveSurfaceOfNoWindowAfterABoxHid"}, {"enter box", "hide box", "enter other"}, ""}),
    RowName());

TEST(RealProgram, KeysTypedAheadOfTheAnswerBoxGoToItsFieldAndThoseAfterItToTheWindow) {
    ShownProgram<> program;
    QtForm1& form = program.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QueueForWindow(form, QStringLiteral("\n"));
    TakeQueuedKeys();
    ASSERT_EQ(form.State().ExampleNumber, 1);
    const QString answer = QString::number(form.State().CorrectAnswer);

    // Return on the answer button, the answer, Return to confirm it, Return on the exam button.
    QueueForWindow(form, QStringLiteral("\n") + answer + QStringLiteral("\n\n"));
    TakeQueuedKeys();

    EXPECT_EQ(form.State().Score, 2) << "the answer " << answer.toStdString() << " did not count";
    EXPECT_EQ(form.State().ExampleNumber, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Taken one by one, each exam takes 26 Returns: three for each example (the exam button, the answer button, OK
// in the answer box), one to open the verdict and one to close it. So 206 are seven exams and the eighth's
// answers: the result button is next, and no box is open.
TEST(RealProgram, ABurstOfReturnsTakesTheExamAsFarAsReturnsOneByOne) {
    ShownProgram<> program;
    QtForm1& form = program.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QueueForWindow(form, QString(206, QLatin1Char('\n')));
    TakeQueuedKeys();

    EXPECT_EQ(form.State().ExampleNumber, 8);
    EXPECT_EQ(form.State().Score, 0);
    EXPECT_EQ(form.focusWidget(), form.findChild<QPushButton*>(QStringLiteral("Command5")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

long ResidentKibibytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Whole exams by Return alone, every box confirmed as it is shown. Under AddressSanitizer freed memory is held
// back on purpose, so the bound means nothing there.
TEST(RealProgram, MemoryStaysWithinABoundOverManyExams) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer holds freed memory back";
#endif
    ShownProgram<> program;
    QtForm1& form = program.form;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    struct ConfirmEveryBox : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (auto* box = qobject_cast<QDialog*>(watched); box != nullptr && event->type() == QEvent::Show) {
                QTimer::singleShot(0, box, &QDialog::accept);
            }
            return false;
        }
    } confirm;
    qApp->installEventFilter(&confirm);
    const auto exams = [&form](int count) {
        for (int press = 0; press < 26 * count; ++press) {
            QTest::keyClick(form.focusWidget(), Qt::Key_Return);
        }
    };
    exams(2);
    const long afterTwo = ResidentKibibytes();
    exams(100);
    qApp->removeEventFilter(&confirm);
    EXPECT_LT(ResidentKibibytes() - afterTwo, 2048) << "kibibytes after 2 exams: " << afterTwo;
}

} // namespace
} // namespace testola::testing
