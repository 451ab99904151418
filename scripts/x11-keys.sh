#!/usr/bin/env bash
# The program on X11 (Xvfb, no window manager), driven by XTest keys from xdotool, typed ahead of its boxes: the
# answers typed right after Return on the answer button must count, and a burst of Returns 5 ms apart must take
# the exam exactly as far as a model of it that takes the keys one by one. Every process it starts is ended
# when it exits, and that is checked.
# Usage: scripts/x11-keys.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/end-to-end-common.sh"

scratch=$(mktemp -d)
# shellcheck disable=SC2317 # called by the trap below
cleanup() {
    local status=$?
    end_sessions || status=1
    rm -rf "$scratch"
    exit "$status"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number to the pipe, so parallel runs cannot collide.
# (Opened for reading and writing, the pipe does not wait for a writer.)
mkfifo "$scratch/display"
exec 3<>"$scratch/display"
start_in_session Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1
display=
read -r -t 20 display <&3 || true
exec 3>&-
[ -n "$display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=:$display XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb

# Starts the program and waits for its window; with no window manager the keyboard follows the pointer, so the
# pointer is kept over the window.
start_program() {
    start_in_session "$program" >"$scratch/program.log" 2>&1
    program_pid=${sessions[-1]}
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Testola$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the program's window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8))
}
key() { xdotool key --delay 50 "$@"; sleep 0.3; }
# Keys and texts one right after the other, with no pause between them.
type_ahead() {
    local word
    for word in "$@"; do
        case $word in
        Return | Escape) xdotool key --delay 0 "$word" ;;
        *) xdotool type --delay 0 "$word" ;;
        esac
    done
    sleep 0.3
}
# The first visible window with this exact title, once it is there within five seconds (or the tenths given).
window_named() {
    for _ in $(seq "${2:-50}"); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 && return
        sleep 0.1
    done
}
# The matrix the window shows, in the 55-pixel band between the button rows, 57 pixels below its top; read
# again every half second for up to five seconds until it has three rows.
example_on_window() {
    local rows=
    for _ in $(seq 10); do
        import -window root "$scratch/shot$1.png"
        rows=$(numbers_in "$scratch/shot$1.png" "${WIDTH}x55+$X+$((Y + 57))" | head -n 3) || true
        [ "$(grep -c . <<<"$rows")" -eq 3 ] && break
        sleep 0.5
    done
    [ "$(grep -c . <<<"$rows")" -eq 3 ] || fail "the window shows no matrix of three rows: $rows"
    echo "example $1 on the window: $(tr '\n' '/' <<<"$rows")" >&2
    echo "$rows"
}

# Examples 1 to 4 answered right, typed ahead: Return on the answer button, the answer and Return with no pause.
# Examples 5 to 8 take the default 0, wrong, by Returns alone, all twelve at once. The verdict says the test was
# passed (8 points) only if each of the four answers typed ahead counted.
start_program
for number in 1 2 3 4; do
    key Return # the next example
    example=$(example_on_window "$number")
    answer=$(answer_to "$example")
    echo "typing ahead: Return $answer Return"
    type_ahead Return "$answer" Return
done
type_ahead Return Return Return Return Return Return Return Return Return Return Return Return
key Return # the verdict
[ -n "$(window_named 'Тестирование успешно пройдено')" ] || fail "no verdict of a passed test"
echo "The four answers typed ahead counted: the verdict is a pass."
# Escape closes the verdict, and the Escape right after it reaches the window and ends the program.
type_ahead Escape Escape
ends_with_success

# A burst of 207 Returns, 5 ms apart. Taken one by one, each exam takes 26 (three for each of its eight
# examples, one to open the verdict and one to close it), so 207 are seven exams and 25 Returns more: the eighth
# exam's last answer and then its verdict, left open.
start_program
xdotool key --delay 5 $(printf 'Return %.0s' $(seq 207))
# A loaded machine may still be working through the keys: wait up to ten seconds for the verdict, alone.
[ -n "$(window_named 'Тестирование не пройдено' 100)" ] || fail "207 Returns did not reach the eighth exam's verdict"
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Ввод ответа$' 2>/dev/null)" ] ||
    fail "an answer box is open beside the eighth exam's verdict"
echo "207 Returns took the program exactly as far as the model: the eighth exam's verdict is open."
type_ahead Escape Escape
ends_with_success
echo "The program on X11 kept every key typed ahead of its boxes and ended with status 0."
