#!/usr/bin/env bash
# Starts the program on a virtual screen, takes it to the middle of an exam by keyboard and saves a picture.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (default: docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
source scripts/packages.sh
scripts/ensure-packages.sh "${build_packages[@]}" xvfb xdotool imagemagick
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

source scripts/end-to-end-common.sh
start_x
start_program build/release/app/testola
# The exam started, the first two examples answered (the answer button, the answer, OK) and the third shown.
for answer in 5 4.5; do
    key Return Return
    window_named 'Ввод ответа' >/dev/null || fail "the answer box did not open"
    xdotool type --delay 50 "$answer"
    key Return
    within 10 no_window_named 'Ввод ответа' || fail "the answer box did not close"
done
import -window "$window" ppm:"$scratch/answered.ppm"
key Return
third_shown() { import -window "$window" ppm:"$scratch/shown.ppm" && ! cmp -s "$scratch/"{answered,shown}.ppm; }
within 10 third_shown || fail "the third example did not show"
mkdir -p "$(dirname "$output")"
convert "$scratch/shown.ppm" "$output"
echo "Saved $output"
