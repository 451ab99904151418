#!/usr/bin/env bash
# The program as a native Wayland client on a headless sway, driven by keys typed through wtype: its window must
# map as a fixed-size xdg_toplevel with the program's app id, the example must stay in sight while the answer box
# is open (read off the screen with grim and OCR), answers typed ahead of the box must count, and Escape must
# end the program with status 0. Every process it starts is ended when it exits, and that is checked.
# Runs as an unprivileged user: nobody, when started as root.
# Usage: scripts/wayland-smoke.sh PROGRAM APP_ID WIDTHxHEIGHT
set -euo pipefail
program=$1 app_id=$2 size=$3
source "$(dirname "$0")/end-to-end-common.sh"

scratch=$(mktemp -d)
program_pid=
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
    [ -f "$scratch/sway.log" ] && tail -n 20 "$scratch/sway.log" >&2
    exit 1
}

# The user's own copy of the program and a home, a runtime folder and a place for screenshots that it owns.
chmod 755 "$scratch"
install -m 755 "$program" "$scratch/testola"
mkdir -m 700 "$scratch/runtime"
mkdir "$scratch/home" "$scratch/shots"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$scratch/runtime" "$scratch/home" "$scratch/shots"
    as_user=(runuser -u nobody --)
fi
printf 'output HEADLESS-1 resolution 800x600\ndefault_floating_border none\n' >"$scratch/sway.conf"
# A command run as the user, in a clean environment that names the compositor once it runs: in the foreground
# (run) or in a session of its own (run_in_session).
wayland_display=
sway_socket=
as_the_user() {
    local compositor=()
    [ -n "$sway_socket" ] && compositor=(WAYLAND_DISPLAY="$wayland_display" SWAYSOCK="$sway_socket")
    command=("${as_user[@]}" env -i HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" PATH=/usr/bin:/bin
        "${compositor[@]}" "$@")
}
run() { as_the_user "$@" && "${command[@]}"; }
run_in_session() { as_the_user "$@" && start_in_session "${command[@]}"; }

# No seat, no GPU: sway draws into memory and takes its only keyboard from wtype.
run_in_session env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$scratch/sway.conf" >"$scratch/sway.log" 2>&1
for _ in $(seq 100); do
    display=$(cd "$scratch/runtime" && ls wayland-? 2>/dev/null | head -n 1) || true
    socket=$(ls "$scratch"/runtime/sway-ipc.*.sock 2>/dev/null | head -n 1) || true
    if [ -n "$display" ] && [ -n "$socket" ]; then
        wayland_display=$display sway_socket=$socket
        break
    fi
    sleep 0.1
done
[ -n "$sway_socket" ] || fail "sway did not start"

# The windows sway shows, one JSON object a line: name, app id, shell, and where they stand.
windows() {
    run swaymsg -t get_tree | jq -c '.. | objects | select(.app_id? != null)
        | {name, app_id, shell, x: .rect.x, y: .rect.y, width: .geometry.width, height: .geometry.height}'
}
# Types one key or one text, or keys and texts one right after the other (wtype's own arguments); wtype's pauses
# before and after let sway hand the new virtual keyboard to the focused window.
key() { run wtype -s 300 -k "$1" -s 300; }
type_text() { run wtype -s 300 "$1" -s 300; }
type_ahead() { run wtype -s 300 "$@" -s 300; }
# The first three lines of numbers in a box of the screen, read again every half second for up to five seconds
# until there are three: the program may still be drawing.
rows_on_screen() {
    local box=$1 name=$2 rows=
    for _ in $(seq 10); do
        run grim "$scratch/shots/$name.png"
        rows=$(numbers_in "$scratch/shots/$name.png" "$box" | head -n 3) || true
        [ "$(grep -c . <<<"$rows")" -eq 3 ] && break
        sleep 0.5
    done
    echo "$rows"
}
box_of() { jq -r '"\(.width)x\(.height)+\(.x)+\(.y)"' <<<"$1"; }
# The first window that a grep with these arguments picks, once sway shows it within ten seconds.
first_window() {
    local found
    for _ in $(seq 100); do
        found=$(windows | grep "$@" | head -n 1) || true
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.1
    done
}

run_in_session env QT_QPA_PLATFORM=wayland "$scratch/testola" >"$scratch/program.log" 2>&1
program_pid=${sessions[-1]}
window=$(first_window -F "\"app_id\":\"$app_id\"")
[ -n "$window" ] || fail "no window with the app id $app_id appeared"
echo "window: $window"
[ "$(jq -r .shell <<<"$window")" = xdg_shell ] || fail "the window is not an xdg_toplevel"
[ "$(jq -r '"\(.width)x\(.height)"' <<<"$window")" = "$size" ] || fail "the window is not $size"

# The matrix shows in the 55-pixel band between the button rows, 57 pixels below the window's top.
band=$(jq -r '"\(.width)x55+\(.x)+\(.y + 57)"' <<<"$window")
example_on_window() {
    local example
    example=$(rows_on_screen "$band" "example$1")
    [ "$(grep -c . <<<"$example")" -eq 3 ] || fail "the window shows no matrix of three rows: $example"
    echo "example $1 on the window: $(tr '\n' '/' <<<"$example")" >&2
    echo "$example"
}

key Return # the first example
example=$(example_on_window 1)
key Return # the answer box
box=$(first_window -vF '"name":"Testola"')
[ -n "$box" ] || fail "the answer box did not open"
echo "answer box: $box"
shown=$(rows_on_screen "$(box_of "$box")" answer)
[ "${shown// /}" = "${example// /}" ] || fail "while the answer box is open, the screen shows" \
    "$(tr '\n' '/' <<<"$shown") where the example is $(tr '\n' '/' <<<"$example")"
# A wrong answer, typed at leisure: no midpoint of numbers from 0 to 10 is 11.
type_text 11
key Return

# Examples 2 to 5 answered right, and typed ahead: Return on the answer button, the answer and Return, with no
# pause between them. Examples 6 to 8 take the default 0, wrong, by Returns alone, all nine at once. The verdict
# then says the test was passed (8 points) only if each of the four answers typed ahead counted.
for number in 2 3 4 5; do
    key Return
    example=$(example_on_window "$number")
    answer=$(answer_to "$example")
    echo "typing ahead: Return $answer Return"
    type_ahead -k Return "$answer" -k Return
done
type_ahead -k Return -k Return -k Return -k Return -k Return -k Return -k Return -k Return -k Return
key Return # the verdict
verdict=$(first_window -F '"name":"Тестирование успешно пройдено"')
[ -n "$verdict" ] || fail "no verdict of a passed test: $(windows | grep -vF '"name":"Testola"' || true)"
echo "verdict: $verdict"

# Escape closes the verdict and Escape ends the program, typed together: sway sends the second to the verdict's
# surface until it has seen the program drop it, and the program must still take it.
type_ahead -k Escape -k Escape
ends_with_success
echo "The program ran on Wayland, kept the example in sight, counted the answers typed ahead and ended with" \
    "status 0."
