// The floor for the program's window: a borderless window of its size with the same push buttons and statics,
// captions and places from the layout table, and nothing of the program's own (no fonts, tooltips, icons,
// accessibility annotations or drawing).
#include "drawn.h"
#include "form1_layout.h"

#include <commctrl.h>
#include <string>

namespace {

std::wstring Wide(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

} // namespace

int main() {
    using namespace testola;
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    const int width = TwipsToPixels(Form1Client.Width);
    const int height = TwipsToPixels(Form1Client.Height);
    HWND window =
        CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"Testola", WS_POPUP | WS_CLIPCHILDREN,
                        (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                        width, height, nullptr, nullptr, instance, nullptr);
    for (const ControlLayout& row : Form1Controls) {
        const bool isStatic = row.Name == Image1 || row.Name == Label1;
        const DWORD style = WS_CHILD | WS_VISIBLE | (row.Enabled ? 0 : WS_DISABLED) |
                            (isStatic ? DWORD{SS_LEFT} : DWORD{BS_PUSHBUTTON | WS_TABSTOP});
        CreateWindowExW(0, isStatic ? L"STATIC" : L"BUTTON", Wide(row.Caption).c_str(), style,
                        TwipsToPixels(row.Box.Left), TwipsToPixels(row.Box.Top), TwipsToPixels(row.Box.Width),
                        TwipsToPixels(row.Box.Height), window, nullptr, instance, nullptr);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return ReportDrawn();
}
