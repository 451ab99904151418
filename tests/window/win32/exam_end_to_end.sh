#!/usr/bin/env bash
# A whole exam in testola.exe under Wine, driven by xdotool on an X display with a window manager (openbox), as
# scripts/with-wine.sh gives one: the window has the layout's size, the answers come from the engine itself, the
# answer box is found by its title, the verdict box's title must be the one for the score, one exam button is
# pressed with the mouse, "_" minimises, and restored as the taskbar restores it, the window has the keyboard
# again: Escape ends the program with status 0.
# Usage: exam_end_to_end.sh TESTOLA_EXE FIRST_EXAM_ANSWERS_EXE LAYOUT_FACTS_EXE RESTORE_WINDOW_EXE
set -euo pipefail
exe=$1 answers_exe=$2 layout_exe=$3 restore_exe=$4
source "$(dirname "$0")/../../../scripts/end-to-end-common.sh"
# shellcheck source=/dev/null
source <(wine "$layout_exe" | tr -d '\r')
# The window's state (Normal, Iconic).
in_state() { xprop -id "$window" WM_STATE 2>/dev/null | grep -qx "[[:space:]]*window state: $1"; }

mapfile -t answers < <(wine "$answers_exe" | tr -d '\r')
[ ${#answers[@]} -eq 8 ] || fail "the engine gave ${#answers[@]} answers, not 8"
echo "The first exam's answers: ${answers[*]}"

start_program wine "$exe"
[ "${WIDTH}x$HEIGHT" = "${window_width}x$window_height" ] || fail "the window is ${WIDTH}x$HEIGHT"
# Return on a box with this title closes it, and the window has the keyboard again after WHAT.
closes() {
    xdotool key Return
    within 10 no_window_named "$1" || fail "the box \"$1\" stayed open"
    within 10 has_keyboard || fail "the window did not get the keyboard back after $2"
}
xdotool windowactivate --sync "$window"
xdotool mousemove --window "$window" "$exam_button_x" "$exam_button_y" click 1 # the exam button: example 1
for example in $(seq 8); do
    xdotool key Return # the answer button, which takes the focus with the example
    window_named "Ввод ответа" >/dev/null || fail "no answer box for example $example"
    # The default 0 is selected, so the typed answer replaces it.
    xdotool type --delay 20 "${answers[example - 1]}"
    closes "Ввод ответа" "example $example"
    # The exam button, which has the focus after an answer; after the eighth, the result button.
    xdotool key Return
done
window_named "Тестирование успешно пройдено" >/dev/null || fail "no verdict box for 16 points"
closes "Тестирование успешно пройдено" "the verdict"
echo "A whole exam by keyboard: 16 points"

xdotool windowactivate --sync "$window" mousemove --window "$window" "$minimise_x" "$minimise_y" click 1 # "_"
within 10 in_state Iconic || fail "_ did not minimise the window"
echo "_ minimises the window"
# As the taskbar does, not through the window manager: Wine 10 can lose count of the X server's answers to a
# window's first placing, and then it never hears that the window manager restored the window, which stays
# minimised for Windows, refusing the keyboard. The program is then given the keyboard back as Windows gives it.
wine "$restore_exe" Testola || fail "the window could not be restored"
within 10 in_state Normal || fail "the window was not restored"
within 10 has_keyboard || fail "the window did not get the keyboard back after it was restored"
xdotool key Escape
ends_with_success
echo "Escape ends the program with status 0"
