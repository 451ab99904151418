#!/usr/bin/env bash
# Builds testola.exe for 32-bit (i686) and 64-bit (x86-64) Windows with MinGW-w64, each with its zip, runs every
# test of both under Wine (the unit tests, the window's own tests, a whole exam driven by xdotool, the PE checks)
# and builds each zip a second time in another folder to show it comes out the same, byte for byte.
# Fails on the first problem.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

# Wine's 32-bit half comes from the i386 architecture, which apt must know before it can install it.
if command -v dpkg >/dev/null 2>&1 && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture, for wine32"
    if [ "$(id -u)" -eq 0 ]; then dpkg --add-architecture i386; else sudo dpkg --add-architecture i386; fi
fi
scripts/ensure-packages.sh "${windows_packages[@]}"

# The zips' time stamps; by default the last commit's time, so one commit always gives the same zips.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}
export SOURCE_DATE_EPOCH

for preset in win32 win64; do
    printf '\n==== %s: build and test under Wine ====\n' "$preset"
    cmake --preset "$preset" >/dev/null
    # The zip takes its time stamps from SOURCE_DATE_EPOCH, which no build rule sees: made anew every time.
    rm -f build/"$preset"/testola-*.zip
    cmake --build --preset "$preset"
    scripts/with-wine.sh ctest --preset "$preset"
done

for preset in win32 win64; do
    printf '\n==== %s: the zip from a second build folder ====\n' "$preset"
    again=build/$preset-again
    cmake --preset "$preset" -B "$again" -DTESTOLA_BUILD_TESTS=OFF >/dev/null
    rm -f "$again"/testola-*.zip
    cmake --build "$again" --target testola_zip
    for zip in build/"$preset"/testola-*.zip; do
        if ! cmp "$zip" "$again/$(basename "$zip")"; then
            echo "FAILED: $zip differs when built again from the same commit" >&2
            exit 1
        fi
        echo "$zip: the same, byte for byte, from a second build ($(sha256sum "$zip" | cut -c1-16))"
    done
    scripts/windows-installer.sh "$preset" # the MSI: built twice, signed, installed and removed under Wine
done
