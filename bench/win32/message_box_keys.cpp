// A bare Win32 window that shows the system's message box on its first key and counts every key it gets
// itself; Escape ends it and it prints the count. scripts/win32-message-box-keys.sh types keys right after the box
// closes, to show which of them a window under Wine never gets.
#include <cstdio>
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MessageBoxKeys";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"MessageBoxKeys", WS_POPUP | WS_VISIBLE, 200, 200, 300,
                                  100, nullptr, nullptr, windowClass.hInstance, nullptr);
    int keys = 0;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.hwnd == window) {
            if (++keys == 1) {
                MessageBoxW(window, L"The next key closes this box.", L"Box", MB_OK);
            } else if (message.wParam == VK_ESCAPE) {
                DestroyWindow(window);
            }
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    std::printf("%d\n", keys);
    return 0;
}
