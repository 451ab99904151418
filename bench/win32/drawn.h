#pragma once

#include <cstdio>
#include <windows.h>

// Delivers every message already queued, the controls' first paints among them, then says the window is drawn.
// Timers are left queued: they come only once nothing is left to paint, so what they do follows the drawing.
inline int ReportDrawn() {
    constexpr UINT allButTimers = PM_REMOVE | ((QS_ALLINPUT & ~QS_TIMER) << 16);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, allButTimers)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
    std::puts("drawn");
    std::fflush(stdout);
    return 0;
}
