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
    xdotool type --delay 50 "$answer"
    sleep 0.2
    key Return
done
key Return
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "Saved $output"
