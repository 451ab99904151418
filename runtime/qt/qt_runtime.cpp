#include "qt_runtime.h"

#include "dialog_common.h"
#include "dialog_texts.h"
#include "input_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace testola {

namespace {

constexpr int kFailureStatus = 1;

void ShowModalBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(ToDisplayText(OkText));
    // The box sizes itself to its text; a row as wide as the title keeps the window manager from eliding it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(TitleBarWidth(title), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

} // namespace

std::string QtRuntime::ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                                    const InputBoxParts& parts) {
    InputBox box(m_window, ToDisplayText(prompt), ToDisplayText(title), ToDisplayText(defaultText), parts);
    if (box.exec() != QDialog::Accepted) {
        return {};
    }
    return box.Text().toStdString();
}

void QtRuntime::ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) {
    const QMessageBox::Icon icon = style == MessageStyle::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
    ShowModalBox(m_window, icon, ToDisplayText(title), ToDisplayText(prompt));
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
    ShowModalBox(m_window, QMessageBox::Critical, QCoreApplication::applicationName(), ToDisplayText(description));
    EndWithStatus(kFailureStatus);
}

void QtRuntime::EndWithStatus(int status) {
    if (m_window) {
        m_window->hide();
    }
    // The event loop stops as soon as the handler that asked for the end returns.
    QCoreApplication::exit(status);
}

} // namespace testola
