#!/usr/bin/env bash
# A whole exam in testola.exe under Wine, driven by xdotool on an X display with a window manager (openbox), as
# scripts/with-wine.sh gives one: the answers come from the engine itself, the answer box is found by its title,
# the verdict box's title must be the one for the score, one exam button is pressed with the mouse, "_"
# minimises, Escape ends the program with status 0.
# Usage: exam_end_to_end.sh TESTOLA_EXE FIRST_EXAM_ANSWERS_EXE
set -euo pipefail
exe=$1 answers_exe=$2

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits up to ten seconds for a visible window with exactly this name and prints its id.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

wait_until_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Waits until the window has the keyboard again, as it does when a box over it closes.
wait_until_active() {
    for _ in $(seq 100); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && sleep 0.2 && return 0
        sleep 0.1
    done
    return 1
}

window_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'
}

wait_for_state() {
    for _ in $(seq 100); do
        [ "$(window_state "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

mapfile -t answers < <(wine "$answers_exe" | tr -d '\r')
[ ${#answers[@]} -eq 8 ] || fail "the engine gave ${#answers[@]} answers, not 8"
echo "The first exam's answers: ${answers[*]}"

wine "$exe" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT
form=$(wait_for_window Testola) || fail "the window did not open"
read -r width height < <(xdotool getwindowgeometry "$form" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
[ "$width" = 313 ] && [ "$height" = 137 ] || fail "the window is ${width}x${height}, not 313x137"
xdotool windowactivate --sync "$form"

for example in $(seq 8); do
    if [ "$example" -eq 1 ]; then
        # The exam button with the mouse, at the middle of its box (120, 600, 2175 x 255 twips).
        xdotool mousemove --window "$form" 80 48 click 1
    else
        xdotool key Return # the exam button, which has the focus after an answer
    fi
    sleep 0.3
    xdotool key Return # the answer button, which takes the focus with the example
    box=$(wait_for_window "Ввод ответа") || fail "no answer box for example $example"
    # The default 0 is selected, so the typed answer replaces it.
    xdotool type --delay 20 "${answers[example - 1]}"
    xdotool key Return
    wait_until_gone "Ввод ответа" || fail "the answer box $box stayed open"
    wait_until_active "$form" || fail "the window did not get the keyboard back after example $example"
done

xdotool key Return # the result button, which has the focus after the eighth answer
wait_for_window "Тестирование успешно пройдено" >/dev/null || fail "no verdict box for 16 points"
xdotool key Return
wait_until_gone "Тестирование успешно пройдено" || fail "the verdict box stayed open"
wait_until_active "$form" || fail "the window did not get the keyboard back after the verdict"
echo "A whole exam by keyboard: 16 points"

xdotool windowactivate --sync "$form"
# "_" at the middle of its box (3960, 120, 255 x 255 twips).
xdotool mousemove --window "$form" 272 16 click 1
wait_for_state "$form" Iconic || fail "_ did not minimise the window"
echo "_ minimises the window"
xdotool windowactivate "$form"
wait_for_state "$form" Normal || fail "the window was not restored"
sleep 0.5
xdotool windowactivate --sync "$form"
xdotool key Escape
status=0
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
wait "$program" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "Escape ended the program with status $status"
echo "Escape ends the program with status 0"

