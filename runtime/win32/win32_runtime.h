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

    std::string ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                             const InputBoxParts& parts) override;
    void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) override;
    void EndProgram() override;
    void MinimiseWindow() override;
    void ReportRunTimeError(const std::string& description) override;

private:
    void EndWithStatus(int status);

    std::string m_programName;
    HWND m_window = nullptr;
};

} // namespace testola
