#pragma once

#include "runtime.h"

#include <string>
#include <windows.h>

namespace testola {

// The runtime on Win32: modal dialogs owned by the program's window, minimising it, and ending the message loop
// with the program's status.
class Win32Runtime : public Runtime {
public:
    // The program's name titles the report of a run-time error.
    explicit Win32Runtime(std::string programName) : m_programName(std::move(programName)) {}

    // The window that owns the dialogs and that MinimiseWindow minimises.
    void SetWindow(HWND window) { m_window = window; }

    void MinimiseWindow() override;
    // Both end the message loop with the program's status: 0, or 1 after the report.
    void EndProgram() override;
    void ReportRunTimeError(const std::string& description) override;
    // The program's own message box, with the stop icon for style 16.
    void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) override;
    // A dialog from a template built in memory, owned by the window.
    std::string ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                             const InputBoxParts& parts) override;

private:
    std::string m_programName;
    HWND m_window = nullptr;
};

} // namespace testola
