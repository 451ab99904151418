#!/usr/bin/env bash
# Builds testola.exe for 32-bit (i686) and 64-bit (x86-64) Windows with MinGW-w64, each with its zip, runs every
# test of both under Wine (the unit tests, the window's own tests, a whole exam driven by xdotool, the PE checks)
# and builds each zip a second time in another folder to show it comes out the same, byte for byte.
#
# Wine runs 32-bit programs only with wine32 from the i386 architecture, and only on a machine whose kernel runs
# 32-bit programs (scripts/ensure-wine32.sh finds out by starting one). Where either fails, everything else still
# runs: both builds, zips and MSIs, every 64-bit test, and the 32-bit executable's PE headers and version resource,
# read without running it. The command then passes and says what did not run and why.
# Fails on the first problem.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/ensure-packages.sh "${windows_packages[@]}"

# Wine's 32-bit half, where this machine runs 32-bit programs; otherwise the reason why not, and only the checks
# that read the 32-bit executable without running it.
wine32_status=0
wine32_output=$(scripts/ensure-wine32.sh 2>&1) || wine32_status=$?
[ -z "$wine32_output" ] || echo "$wine32_output" >&2
case $wine32_status in
0) wine32_missing= ;;
3) wine32_missing=$(tail -n 1 <<<"$wine32_output") ;;
*) echo "FAILED: scripts/ensure-wine32.sh ended with status $wine32_status" >&2 && exit 1 ;;
esac

# The zips' time stamps; by default the last commit's time, so one commit always gives the same zips.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}
export SOURCE_DATE_EPOCH

for preset in win64 win32; do
    printf '\n==== %s: build and test under Wine ====\n' "$preset"
    cmake --preset "$preset" >/dev/null
    # The zip takes its time stamps from SOURCE_DATE_EPOCH, which no build rule sees: made anew every time.
    rm -f build/"$preset"/testola-*.zip
    cmake --build --preset "$preset"
    if [ "$preset" = win32 ] && [ -n "$wine32_missing" ]; then
        echo "Wine cannot run 32-bit programs here: only the checks that read build/win32/app/testola.exe run."
        # Not through ctest, which lists each test program's tests by running it.
        tests/window/win32/check_executable.sh i686-w64-mingw32-objdump build/win32/app/testola.exe i686
        scripts/with-wine.sh tests/window/win32/check_version.sh \
            build/win64/tests/window/win32/testola_read_version.exe build/win32/app/testola.exe LICENSE \
            build/win32/tests/window/win32/version.env
    else
        scripts/with-wine.sh ctest --preset "$preset"
    fi
done

for preset in win32 win64; do
    printf '\n==== %s: the zip from a second build folder ====\n' "$preset"
    again=build/$preset-again
    cmake --preset "$preset" -B "$again" -DTESTOLA_BUILD_TESTS=OFF >/dev/null
    rm -f "$again"/testola-*.zip
    cmake --build "$again" --target testola_zip
    for zip in build/"$preset"/testola-*.zip; do
        cmp "$zip" "$again/$(basename "$zip")" || { echo "FAILED: $zip differs when built again" >&2; exit 1; }
        echo "$zip: the same, byte for byte, from a second build ($(sha256sum "$zip" | cut -c1-16))"
    done
    TESTOLA_WINE_RUNS_32BIT=$([ -n "$wine32_missing" ] && echo 0 || echo 1) \
        scripts/windows-installer.sh "$preset" # the MSI: built twice, signed, installed and removed under Wine
done

if [ -n "$wine32_missing" ]; then
    printf '\n==== The 32-bit tests did not run ====\n'
    echo "Wine cannot run 32-bit programs here: $wine32_missing"
    echo "The 32-bit testola.exe, its zip and its MSI were built, and its PE headers and version resource checked."
    echo "They run on a machine whose kernel runs 32-bit programs and whose archive gives $wine32_package:" \
        "run scripts/windows.sh there."
fi
