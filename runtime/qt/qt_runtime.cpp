#include "qt_runtime.h"

#include "dialog_texts.h"
#include "display_text.h"
#include "hide_on_close.h"
#include "input_box.h"
#include "key_handover.h"
#include "run_time_error.h"
#include "wayland_lost_keys.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <functional>

namespace testola {

namespace {

// Calls back once, as soon as the event loop is free after the window's first paint.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget* window, std::function<void()> painted) : m_painted(std::move(painted)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_painted);
        }
        return false;
    }

private:
    std::function<void()> m_painted;
};

} // namespace

QtRuntime::QtRuntime(bool boxesHideAfterTheirLastFrame)
    : m_boxesHideAfterTheirLastFrame(boxesHideAfterTheirLastFrame), m_keys(std::make_unique<KeyHandover>()) {}

QtRuntime::~QtRuntime() {
    DropBoxes();
}

void QtRuntime::SetWindow(QWidget* window) {
    DropBoxes();
    m_window = window;
    m_firstFrameWatch.reset();
    if (window != nullptr) {
        m_firstFrameWatch = std::make_unique<FirstFrameWatch>(window, [this] { BuildBoxes(); });
    }
}

void QtRuntime::BuildBoxes() {
    if (m_waylandKeys == nullptr) {
        m_waylandKeys = std::make_unique<WaylandLostKeys>();
    }
    if (m_inputBox == nullptr) {
        m_inputBox = new InputBox(m_window);
        new HideOnClose(m_inputBox, m_boxesHideAfterTheirLastFrame, [this] { m_keys->Closing(); });
        // Laid out and styled now. Its native window waits for the first opening: under X11 a hidden dialog's
        // native window made the window manager's move start from the window's corner, not the pointer.
        m_inputBox->ensurePolished();
    }
    if (m_messageBox == nullptr) {
        m_messageBox = new QMessageBox(m_window);
        new HideOnClose(m_messageBox, m_boxesHideAfterTheirLastFrame, [this] { m_keys->Closing(); });
        m_messageBox->setTextFormat(Qt::PlainText);
        m_messageBox->setStandardButtons(QMessageBox::Ok);
        m_messageBox->button(QMessageBox::Ok)->setText(ToDisplayText(OkText));
        m_messageBox->ensurePolished();
    }
}

void QtRuntime::DropBoxes() {
    delete m_inputBox.data();
    delete m_messageBox.data();
}

int QtRuntime::RunModal(QDialog& box) {
    m_keys->Opening(&box);
    const int result = box.exec();
    m_keys->Closed();
    return result;
}

std::string QtRuntime::ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                                    const InputBoxParts& parts) {
    BuildBoxes();
    m_inputBox->SetQuestion(ToDisplayText(prompt), ToDisplayText(title), ToDisplayText(defaultText), parts);
    if (RunModal(*m_inputBox) != QDialog::Accepted) {
        return {};
    }
    return m_inputBox->Text().toStdString();
}

void QtRuntime::ShowModalBox(MessageStyle style, const QString& title, const QString& text) {
    BuildBoxes();
    const QMessageBox::Icon icon = style == MessageStyle::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
    // Set only when it changes: each setting makes the style draw the icon anew.
    if (m_messageBox->icon() != icon) {
        m_messageBox->setIcon(icon);
    }
    m_messageBox->setWindowTitle(title);
    m_messageBox->setText(text);
    // The box sizes itself to its text; a row as wide as the title keeps the window manager from eliding it. Qt
    // lays the box out anew when its icon changes, so the row is added again then.
    auto* grid = qobject_cast<QGridLayout*>(m_messageBox->layout());
    if (grid != nullptr && grid != m_titleRowLayout) {
        m_titleRow = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        grid->addItem(m_titleRow, grid->rowCount(), 0, 1, grid->columnCount());
        m_titleRowLayout = grid;
    }
    if (grid != nullptr) {
        m_titleRow->changeSize(TitleBarWidth(title), 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        grid->invalidate();
    }
    RunModal(*m_messageBox);
}

void QtRuntime::ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) {
    ShowModalBox(style, ToDisplayText(title), ToDisplayText(prompt));
}

void QtRuntime::EndProgram() {
    EndWithStatus(0);
}

void QtRuntime::MinimiseWindow() {
    if (m_window) {
        m_window->showMinimized();
    }
}

void QtRuntime::ReportRunTimeError(const std::string& description) {
    // Titled with the application's name, which the program sets from its build.
    ShowModalBox(MessageStyle::Stop, QCoreApplication::applicationName(), ToDisplayText(description));
    EndWithStatus(RunTimeErrorStatus);
}

void QtRuntime::EndWithStatus(int status) {
    // A Wayland client leaves with its window shown, and the compositor takes it away as the process ends: hidden,
    // the window would free its surface with the same risk as a box's (HideOnClose), and nothing is drawn after.
    if (m_window && !IsWaylandClient()) {
        m_window->hide();
    }
    // The event loop stops as soon as the handler that asked for the end returns.
    QCoreApplication::exit(status);
}

bool IsWaylandClient() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace testola
