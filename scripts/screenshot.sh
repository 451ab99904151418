#!/usr/bin/env bash
# Starts the program on a virtual screen, takes it to the middle of an exam by keyboard and saves a picture.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (default: docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
source scripts/packages.sh
scripts/ensure-packages.sh "${build_packages[@]}" xvfb xauth xdotool imagemagick

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x400x24 -nolisten tcp -noreset &
xvfb_pid=$!
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

build/release/app/testola &
program_pid=$!
window=
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Testola$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "The program's window did not appear." >&2; exit 1; }

# With no window manager the keyboard follows the pointer, so keep it over the window.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8))
press() { xdotool key --delay 50 "$@"; sleep 0.3; }
answer() {
    press Return                       # open the answer box
    xdotool type --delay 50 "$1"; sleep 0.2
    press Return                       # confirm it
}
press Return                           # start the exam: example 1
answer 5
press Return                           # example 2
answer 4.5
press Return                           # example 3, waiting for its answer
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "Saved $output"
