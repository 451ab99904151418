#include "win32_runtime.h"

#include "input_box.h"
#include "message_box.h"
#include "run_time_error.h"
#include "wide_text.h"

namespace testola {

namespace {

void EndWithStatus(HWND window, int status) {
    if (window != nullptr) {
        ShowWindow(window, SW_HIDE);
    }
    // The message loop stops as soon as the handler that asked for the end returns, and the program returns the
    // status from WinMain.
    PostQuitMessage(status);
}

} // namespace

std::string Win32Runtime::ShowInputBox(const std::string& prompt, const std::string& title,
                                       const std::string& defaultText, const InputBoxParts& parts) {
    return ToUtf8(RunInputBox(m_window, ToWide(prompt), ToWide(title), ToWide(defaultText), parts));
}

void Win32Runtime::ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) {
    RunMessageBox(m_window, ToWide(prompt), style, ToWide(title));
}

void Win32Runtime::EndProgram() {
    EndWithStatus(m_window, 0);
}

void Win32Runtime::MinimiseWindow() {
    if (m_window != nullptr) {
        ShowWindow(m_window, SW_MINIMIZE);
    }
}

void Win32Runtime::ReportRunTimeError(const std::string& description) {
    RunMessageBox(m_window, ToWide(description), MessageStyle::Stop, ToWide(m_programName));
    EndWithStatus(m_window, RunTimeErrorStatus);
}

} // namespace testola
