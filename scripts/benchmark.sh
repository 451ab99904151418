#!/usr/bin/env bash
# Measures start-up, peak memory and click-to-repaint of the window against a bare Qt window, offscreen and,
# where Xvfb is installed, on X11; then the engine's own operations; then, where MinGW-w64 and Wine are
# installed, the Win32 window's start-up against a bare Win32 window.
# Usage: scripts/benchmark.sh [RUNS]   (starts per window kind, default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
source scripts/packages.sh
scripts/ensure-packages.sh "${build_packages[@]}" "${check_packages[@]}"
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
source scripts/end-to-end-common.sh

echo "== offscreen"
QT_QPA_PLATFORM=offscreen build/bench/bench/testola_startup_benchmark "$runs" 2>/dev/null
if command -v Xvfb >/dev/null 2>&1; then
    printf '\n== X11 (Xvfb)\n'
    start_x
    build/bench/bench/testola_startup_benchmark "$runs" 2>/dev/null
fi
printf '\n== engine\n'
build/bench/bench/testola_engine_benchmark --benchmark_min_time=0.2

if command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 && command -v wine >/dev/null 2>&1; then
    printf '\n== Win32 (Wine)\n'
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target testola_win32_startup_probe testola_win32_bare_window >/dev/null
    (unset DISPLAY && scripts/with-wine.sh scripts/win32-startup.sh build/win64 "$runs")
fi
