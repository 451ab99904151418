#!/usr/bin/env bash
# The program as a native Wayland client on a headless sway, driven by keys typed through wtype: its window must
# map as an xdg_toplevel of the layout's size with the program's app id, the example must stay in sight while the
# answer box is open (read off the screen with grim and OCR), answers typed ahead of the box must count, and
# Escape must end the program with status 0. Every process it starts is ended when it exits, and that is checked.
# Runs as an unprivileged user: nobody, when started as root.
# Usage: scripts/wayland-smoke.sh PROGRAM APP_ID
set -euo pipefail
program=$1 app_id=$2
source "$(dirname "$0")/end-to-end-common.sh"
read_build_facts "$program"
start_sway
install -m 755 "$program" "$scratch/testola" # the user's own copy

# The windows sway shows, one JSON object a line: name, app id, shell, and where they stand.
windows() {
    run swaymsg -t get_tree | jq -c '.. | objects | select(.app_id? != null)
        | {name, app_id, shell, X: .rect.x, Y: .rect.y, WIDTH: .geometry.width, HEIGHT: .geometry.height}'
}
# The first window that a grep with these arguments picks, once sway shows it within ten seconds.
first_window() { within 10 window_matching "$@"; }
window_matching() { windows | grep "$@" | head -n 1 | grep .; }
# Sets X, Y, WIDTH and HEIGHT from a window's line.
place_of() { eval "$(jq -r '"X=\(.X) Y=\(.Y) WIDTH=\(.WIDTH) HEIGHT=\(.HEIGHT)"' <<<"$1")"; }
shoot() { run grim "$1"; }
# Types one key, or keys (Return, Escape) and texts one right after the other; wtype's pauses before and after let
# sway hand the new virtual keyboard to the focused window.
key() { run wtype -s 300 -k "$1" -s 300; }
type_ahead() {
    local word keys=()
    for word in "$@"; do
        case $word in Return | Escape) keys+=(-k "$word") ;; *) keys+=("$word") ;; esac
    done
    run wtype -s 300 "${keys[@]}" -s 300
}

run_in_session env QT_QPA_PLATFORM=wayland "$scratch/testola" >"$scratch/program.log" 2>&1
program_pid=${sessions[-1]}
window=$(first_window -F "\"app_id\":\"$app_id\"") || fail "no window with the app id $app_id appeared"
echo "window: $window"
[ "$(jq -r .shell <<<"$window")" = xdg_shell ] || fail "the window is not an xdg_toplevel"
place_of "$window"
[ "${WIDTH}x$HEIGHT" = "${window_width}x$window_height" ] || fail "the window is ${WIDTH}x$HEIGHT"

key Return # the first example
example_on_window 1
key Return # the answer box
box=$(first_window -vF '"name":"Testola"') || fail "the answer box did not open"
echo "answer box: $box"
box_band=$(place_of "$box" && echo "${WIDTH}x$HEIGHT+$X+$Y")
box_shows_example() { rows_read answer "$box_band" && [ "${rows// /}" = "${example// /}" ]; }
within 10 box_shows_example || fail "while the answer box is open, the screen shows" \
    "$(tr '\n' '/' <<<"$rows") where the example is $(tr '\n' '/' <<<"$example")"
# A wrong answer, typed at leisure: no midpoint of numbers from 0 to 10 is 11.
type_ahead 11
key Return

# Examples 2 to 5 answered right, and typed ahead: Return on the answer button, the answer and Return, with no
# pause between them. Examples 6 to 8 take the default 0, wrong, by Returns alone, all nine at once. The verdict
# then says the test was passed (8 points) only if each of the four answers typed ahead counted.
for number in 2 3 4 5; do answer_ahead "$number"; done
type_ahead Return Return Return Return Return Return Return Return Return
key Return # the verdict
verdict=$(first_window -F '"name":"Тестирование успешно пройдено"') ||
    fail "no verdict of a passed test: $(windows | grep -vF '"name":"Testola"')"
echo "verdict: $verdict"

# Escape closes the verdict and Escape ends the program, typed together: sway sends the second to the verdict's
# surface until it has seen the program drop it, and the program must still take it.
type_ahead Escape Escape
ends_with_success
echo "On Wayland the example stayed in sight, the answers typed ahead counted and the program ended with 0."
