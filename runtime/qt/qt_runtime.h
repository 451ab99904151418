#pragma once

#include "runtime.h"

#include <QPointer>
#include <QWidget>

namespace testola {

// The runtime on Qt Widgets: modal dialogs over the program's window, minimising it, and ending the event loop.
class QtRuntime : public Runtime {
public:
    // The window that dialogs are centred over and that MinimiseWindow minimises.
    void SetWindow(QWidget* window) { m_window = window; }

    std::string ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                             const InputBoxParts& parts) override;
    void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) override;
    void EndProgram() override;
    void MinimiseWindow() override;
    void ReportRunTimeError(const std::string& description) override;

private:
    void EndWithStatus(int status);

    QPointer<QWidget> m_window;
};

} // namespace testola
