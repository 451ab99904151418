#pragma once

#include <cstdio>
#include <windows.h>

// Delivers every message already queued, the controls' first paints among them, then says the window is drawn.
inline int ReportDrawn() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
    std::puts("drawn");
    std::fflush(stdout);
    return 0;
}
