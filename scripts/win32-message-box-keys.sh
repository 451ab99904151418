#!/usr/bin/env bash
# Under Wine, a bare Win32 window with the system's message box: one key opens the box, then Return closes it and
# four letters follow at once, 5 ms apart, and Escape ends the window a moment later. Prints, for each run, how
# many of those five keys (the letters and Escape) the window got. Run it with a display and window manager up, as
# scripts/with-wine.sh gives them; it shows why the program's own boxes never take the X keyboard under Wine.
# Usage: scripts/win32-message-box-keys.sh BUILD_DIR [RUNS]   (a Windows build folder such as build/win64; default 5)
set -euo pipefail
build=$1 runs=${2:-5}
source "$(dirname "$0")/end-to-end-common.sh"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

for run in $(seq "$runs"); do
    start_in_session wine "$build/bench/win32/testola_win32_message_box_keys.exe" >"$scratch/keys.log" 2>&1
    pid=${sessions[-1]}
    window=$(window_named MessageBoxKeys) || fail "the window did not appear"
    xdotool windowactivate --sync "$window"
    xdotool key Return
    box=$(window_named Box) || fail "the message box did not open"
    within 10 active "$box" || fail "the message box did not take the keyboard"
    xdotool key --delay 5 Return a b c d
    within 10 no_window_named Box || fail "Return did not close the message box"
    xdotool windowactivate --sync "$window"
    xdotool key Escape
    wait "$pid"
    # The window's count holds the key that opened the box; Return closed the box, which got it.
    got=$(($(tr -d '\r' <"$scratch/keys.log") - 1))
    echo "run $run: the window got $got of the 5 keys typed after the Return that closed the box"
done
