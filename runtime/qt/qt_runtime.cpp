#include "qt_runtime.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace testola {

namespace {

const QString kOkText = QStringLiteral("ОК");
const QString kCancelText = QStringLiteral("Отмена");
constexpr int kFailureStatus = 1;

void ShowModalBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(kOkText);
    box.exec();
}

} // namespace

QString ToDisplayText(const std::string& text) {
    QString display = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return display;
}

std::string QtRuntime::ShowInputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
    QInputDialog dialog(m_window);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(ToDisplayText(title));
    dialog.setLabelText(ToDisplayText(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.setOkButtonText(kOkText);
    dialog.setCancelButtonText(kCancelText);
    // The default text starts selected, so that typing replaces it.
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->selectAll();
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
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
