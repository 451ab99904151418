#!/usr/bin/env bash
# The program as a native Wayland client on a headless sway, driven by keys typed through wtype: its window must
# map as a fixed-size xdg_toplevel with the program's app id, the example must stay in sight while the answer box
# is open (read off the screen with grim and OCR), and Escape must end the program with status 0.
# Runs as an unprivileged user: nobody, when started as root.
# Usage: scripts/wayland-smoke.sh PROGRAM APP_ID WIDTHxHEIGHT
set -euo pipefail
program=$1 app_id=$2 size=$3

scratch=$(mktemp -d)
sway_pid=
program_pid=
# shellcheck disable=SC2317 # called by the trap below
cleanup() {
    local pid
    for pid in $program_pid $sway_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
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
# Runs a command as the user, in a clean environment that names the compositor once it runs.
wayland_display=
sway_socket=
run() {
    local compositor=()
    [ -n "$sway_socket" ] && compositor=(WAYLAND_DISPLAY="$wayland_display" SWAYSOCK="$sway_socket")
    "${as_user[@]}" env -i HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" PATH=/usr/bin:/bin \
        "${compositor[@]}" "$@"
}

# No seat, no GPU: sway draws into memory and takes its only keyboard from wtype.
run env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$scratch/sway.conf" >"$scratch/sway.log" 2>&1 &
sway_pid=$!
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
# Types one key or one text; wtype's own pauses let sway hand the new virtual keyboard to the focused window.
key() { run wtype -s 300 -k "$1" -s 300; }
type_text() { run wtype -s 300 "$1" -s 300; }
# The digits the screen shows in a window's box, one line of digits a line of text.
digits_in() {
    local shot=$1 box=$2
    convert "$shot" -crop "$box" +repage -colorspace Gray -resize 400% "$shot.crop.png"
    tesseract "$shot.crop.png" - --psm 6 -c tessedit_char_whitelist='0123456789 ' 2>/dev/null | tr -d ' ' | grep .
}
# The first three lines of digits in a box of the screen, read again every half second for up to five seconds
# until there are three: the program may still be drawing.
rows_on_screen() {
    local box=$1 name=$2 rows=
    for _ in $(seq 10); do
        run grim "$scratch/shots/$name.png"
        rows=$(digits_in "$scratch/shots/$name.png" "$box" | head -n 3) || true
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

run env QT_QPA_PLATFORM=wayland "$scratch/testola" >"$scratch/program.log" 2>&1 &
program_pid=$!
window=$(first_window -F "\"app_id\":\"$app_id\"")
[ -n "$window" ] || fail "no window with the app id $app_id appeared"
echo "window: $window"
[ "$(jq -r .shell <<<"$window")" = xdg_shell ] || fail "the window is not an xdg_toplevel"
[ "$(jq -r '"\(.width)x\(.height)"' <<<"$window")" = "$size" ] || fail "the window is not $size"

key Return # the first example
# The matrix shows in the 55-pixel band between the button rows, 57 pixels below the window's top.
band=$(jq -r '"\(.width)x55+\(.x)+\(.y + 57)"' <<<"$window")
example=$(rows_on_screen "$band" example)
[ "$(grep -c . <<<"$example")" -eq 3 ] || fail "the window shows no matrix of three rows: $example"
echo "the example on the window: $(tr '\n' ' ' <<<"$example")"

key Return # the answer box
box=$(first_window -vF '"name":"Testola"')
[ -n "$box" ] || fail "the answer box did not open"
echo "answer box: $box"
shown=$(rows_on_screen "$(box_of "$box")" answer)
[ "$shown" = "$example" ] || fail "while the answer box is open, the screen shows $(tr '\n' ' ' <<<"$shown")" \
    "where the example is $(tr '\n' ' ' <<<"$example")"

type_text 4
key Return # the answer
key Escape # the end
status=
for _ in $(seq 50); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
        status=0
        wait "$program_pid" || status=$?
        program_pid=
        break
    fi
    sleep 0.1
done
[ -n "$status" ] || fail "Escape did not end the program"
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "The program ran on Wayland, kept the example in sight and ended with status 0."
