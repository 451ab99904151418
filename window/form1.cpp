#include "form1.h"

#include "exam.h"
#include "focus_button.h"
#include "form1_layout.h"
#include "icon_image.h"
#include "matrix_panel.h"
#include "run_time_error.h"
#include "runtime.h"
#include "spoken_example.h"
#include "testola_icon.h"
#include "title_strip.h"
#include "verdict.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace testola {

namespace {

const ControlLayout& LayoutOf(std::string_view name) {
    const auto found = std::find_if(Form1Controls.begin(), Form1Controls.end(),
                                    [name](const ControlLayout& control) { return control.Name == name; });
    if (found == Form1Controls.end()) {
        throw std::logic_error("no layout for a control");
    }
    return *found;
}

void PlaceControl(QWidget* control, const ControlLayout& layout) {
    control->setObjectName(ToQString(layout.Name));
    control->setGeometry(ToPixels(layout.Box));
    control->setEnabled(layout.Enabled);
    if (!layout.Tooltip.empty()) {
        control->setToolTip(ToQString(layout.Tooltip));
    }
}

QFont DesignFont(double points, bool bold) {
    QFont font(ToQString(DesignFontFamily));
    font.setPointSizeF(points);
    font.setBold(bold);
    // The family covers every character the window shows, so Qt need not gather fallback fonts at start.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// Assistive technology would see a plain widget as a filler; the program's only window is a window to it.
QAccessibleInterface* Form1Accessible(const QString&, QObject* object) {
    if (auto* form = dynamic_cast<Form1*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

Form1::Form1(Runtime& runtime, RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_runtime(runtime), m_random(random) {
    [[maybe_unused]] static const bool accessibleAsWindow = (QAccessible::installFactory(&Form1Accessible), true);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(Form1Title));
    setWindowIcon(TestolaIcon());
    setFixedSize(ToPixels(Form1Client).size());
    setFont(DesignFont(WindowFontPoints, false));
    setAutoFillBackground(true);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, ToColour(InactiveTitleColour));
    setPalette(windowPalette);

    BuildControls();
    setAccessibleDescription(m_label1->text().trimmed());
    SetTabOrder();
    m_command4->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void Form1::BuildControls() {
    // Created bottom-most first: a later sibling is drawn over an earlier one.
    const ControlLayout& title = LayoutOf("Label1");
    m_label1 = new TitleStrip(ToQString(title.Caption), this);
    PlaceControl(m_label1, title);
    m_label1->setFont(DesignFont(TitleFontPoints, true));
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_label1->setAutoFillBackground(true);
    QPalette titlePalette = m_label1->palette();
    titlePalette.setColor(QPalette::Window, ToColour(ActiveTitleColour));
    titlePalette.setColor(QPalette::WindowText, ToColour(ActiveTitleTextColour));
    m_label1->setPalette(titlePalette);

    m_image1 = new IconImage(windowIcon(), this);
    PlaceControl(m_image1, LayoutOf("Image1"));

    m_command1 = MakeButton("Command1");
    m_command1->setFont(DesignFont(SmallButtonFontPoints, true));
    m_command1->setAccessibleName(m_command1->toolTip());
    m_command2 = MakeButton("Command2");
    m_command2->setFont(DesignFont(SmallButtonFontPoints, true));
    m_command2->setAccessibleName(m_command2->toolTip());

    m_command3 = new MatrixPanel(this);
    PlaceControl(m_command3, LayoutOf("Command3"));

    m_command4 = MakeButton("Command4");
    m_command5 = MakeButton("Command5");
    m_command6 = MakeButton("Command6");

    ConnectHandler(m_command1, &Form1::OnExitClick);
    ConnectHandler(m_command2, &Form1::OnMinimiseClick);
    ConnectHandler(m_command4, &Form1::OnExamClick);
    ConnectHandler(m_command5, &Form1::OnResultClick);
    ConnectHandler(m_command6, &Form1::OnAnswerClick);
}

QPushButton* Form1::MakeButton(std::string_view name) {
    const ControlLayout& layout = LayoutOf(name);
    auto* button = new FocusButton(ToQString(layout.Caption), this);
    PlaceControl(button, layout);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void Form1::SetTabOrder() {
    std::vector<const ControlLayout*> byTabIndex;
    for (const ControlLayout& control : Form1Controls) {
        if (control.TabIndex >= 0) {
            byTabIndex.push_back(&control);
        }
    }
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](const ControlLayout* left, const ControlLayout* right) { return left->TabIndex < right->TabIndex; });
    // A control in the order that takes no focus, such as the panel, is passed over by Tab.
    for (std::size_t index = 1; index < byTabIndex.size(); ++index) {
        setTabOrder(findChild<QWidget*>(ToQString(byTabIndex[index - 1]->Name)),
                    findChild<QWidget*>(ToQString(byTabIndex[index]->Name)));
    }
}

void Form1::ConnectHandler(QPushButton* button, void (Form1::*handler)()) {
    // Qt carries no exception through its event loop, so a failure is caught here, where the handler is called,
    // reported, and ends the program.
    connect(button, &QPushButton::clicked, this, [this, handler] {
        try {
            (this->*handler)();
        } catch (const RunTimeError& failure) {
            m_runtime.ReportRunTimeError(failure.what());
        } catch (...) {
            m_runtime.ReportRunTimeError(UnexpectedFailureDescription());
        }
    });
}

void Form1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter presses the focused button; with no button focused, the exam button is the default.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused != nullptr ? focused : m_command4;
        target->click();
        return;
    }
    case Qt::Key_Escape:
        m_command1->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    m_runtime.EndProgram();
}

void Form1::OnExitClick() {
    m_runtime.EndProgram();
}

void Form1::OnMinimiseClick() {
    m_runtime.MinimiseWindow();
}

void Form1::OnExamClick() {
    const QString start = ToQString(StartCaption);
    const bool startNew = m_command4->text() == start && m_command4->toolTip() == start;
    NextExample(m_state, startNew, m_random);
    if (startNew) {
        m_command5->setEnabled(false);
    }
    m_command6->setEnabled(true);
    // Said with the button that takes the focus, since readers do not speak what changes elsewhere.
    m_command6->setAccessibleDescription(ToQString(SpokenExample(m_state)));
    m_command6->setFocus();
    m_command3->SetCaption(QString::fromStdString(m_state.MatrixText));
    m_command4->setEnabled(false);
    SetExamButtonTexts(NextCaption);
}

void Form1::OnAnswerClick() {
    const InputBoxExtras extras{m_state.MatrixText, SpokenExample(m_state), std::string(AnswerHint)};
    const std::string answer =
        m_runtime.ShowInputBox(std::string(InputPrompt), std::string(InputTitle), std::string(InputDefault), extras);
    const AnswerOutcome outcome = SubmitAnswer(m_state, answer);
    // The next button takes the focus before the answer button is disabled, which would pass the focus along
    // the tab order first.
    if (outcome.Finished) {
        m_command5->setEnabled(true);
        m_command5->setFocus();
        m_command6->setEnabled(false);
        SetExamButtonTexts(StartCaption);
        m_command4->setEnabled(false);
        m_command3->SetCaption(QString());
        m_command6->setAccessibleDescription(QString());
    } else {
        m_command4->setEnabled(true);
        m_command4->setFocus();
        m_command6->setEnabled(false);
    }
}

void Form1::OnResultClick() {
    const Verdict verdict = MakeVerdict(m_state.Score);
    m_runtime.ShowMessageBox(verdict.Body, verdict.Style, verdict.Title);
    m_command4->setEnabled(true);
    m_command4->setFocus();
}

void Form1::SetExamButtonTexts(std::string_view text) {
    m_command4->setText(ToQString(text));
    m_command4->setToolTip(ToQString(text));
}

} // namespace testola
