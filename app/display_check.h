#pragma once

namespace testola {

// What the program says, on one line of standard error, when it finds no display to show its window on.
inline constexpr const char* NoDisplayMessage =
    "Testola: нет дисплея для окна программы (проверьте DISPLAY и WAYLAND_DISPLAY) / "
    "no display to show the window on (check DISPLAY and WAYLAND_DISPLAY)";

// Until EndDisplayCheck, Qt's messages are kept back, and a fatal one (Qt ends the program when no platform
// plugin can open a display) is replaced by NoDisplayMessage and status 1: Qt's own ending is an abort, with a
// core file, and its last words advise reinstalling the program, which does not help.
void BeginDisplayCheck();
// The application exists, so a display was opened: Qt's messages kept back are passed on, and from here on
// Qt reports as it always does.
void EndDisplayCheck();

} // namespace testola
