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
answer_in_box 1 5
answer_in_box 2 4.5
import -window "$window" ppm:"$scratch/answered.ppm"
key Return
third_shown() { import -window "$window" ppm:"$scratch/shown.ppm" && ! cmp -s "$scratch/"{answered,shown}.ppm; }
within 10 third_shown || fail "the third example did not show"
mkdir -p "$(dirname "$output")"
convert "$scratch/shown.ppm" "$output"
echo "Saved $output"
