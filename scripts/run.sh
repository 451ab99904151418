#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${build_packages[@]}"

cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Testola is built (build/release/app/testola), but this machine has no display to show its window on." >&2
    echo "To see it anyway, run scripts/screenshot.sh: it starts the program on a virtual screen and saves a picture." >&2
    exit 1
fi
exec build/release/app/testola
