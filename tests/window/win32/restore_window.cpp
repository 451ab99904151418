// Restores a minimised top-level window, found by its title, as the Windows taskbar does when its button is
// clicked: the window is told to restore itself (WM_SYSCOMMAND, SC_RESTORE) and brought to the foreground.
#include <cstdio>
#include <windows.h>

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: restore_window TITLE\n");
        return 2;
    }
    HWND window = FindWindowW(nullptr, argv[1]);
    if (window == nullptr) {
        std::fprintf(stderr, "no window has that title\n");
        return 1;
    }
    if (IsIconic(window) && !PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0)) {
        std::fprintf(stderr, "the window could not be told to restore itself\n");
        return 1;
    }
    SetForegroundWindow(window);
    return 0;
}
