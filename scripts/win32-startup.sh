#!/usr/bin/env bash
# Start-up of the Win32 window under Wine against a bare Win32 window with the same controls and the same
# manifest: each timed from exec to the line its probe prints once the window has drawn itself, in alternating
# pairs so that a change in the machine's load falls on both alike, after one warm-up pair. Prints the medians
# and the median of the pairs' ratios. Run it with a Wine server and display up, as scripts/with-wine.sh gives.
# Usage: scripts/win32-startup.sh BUILD_DIR [PAIRS]   (a Windows build folder such as build/win64; default 10)
set -euo pipefail
build=$1 pairs=${2:-10}
program_probe=$build/bench/win32/testola_win32_startup_probe.exe
bare_probe=$build/bench/win32/testola_win32_bare_window.exe

# Milliseconds from exec to the probe's line. The clock stops at the line, not at the probe's exit, which
# tears its windows down; the next run starts only once this one has ended.
start_to_drawn() {
    local started=$EPOCHREALTIME line="" drawn probe
    exec {probe}< <(wine "$1" 2>/dev/null)
    read -r line <&"$probe" || true
    drawn=$EPOCHREALTIME
    cat <&"$probe" >/dev/null
    exec {probe}<&-
    [ "${line%$'\r'}" = drawn ] || { echo "FAILED: $1 printed '$line'" >&2; return 1; }
    awk -v a="$started" -v b="$drawn" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_to_drawn "$program_probe" >/dev/null
start_to_drawn "$bare_probe" >/dev/null
programs=() bares=() ratios=()
for _ in $(seq "$pairs"); do
    program=$(start_to_drawn "$program_probe")
    bare=$(start_to_drawn "$bare_probe")
    programs+=("$program") bares+=("$bare")
    ratios+=("$(awk -v p="$program" -v b="$bare" 'BEGIN { printf "%.3f\n", p / b }')")
done
echo "Win32 start-up under Wine, exec to first drawing, median of $pairs alternating pairs:"
echo "  Testola window $(printf '%s\n' "${programs[@]}" | median) ms," \
    "bare window $(printf '%s\n' "${bares[@]}" | median) ms," \
    "ratio $(printf '%s\n' "${ratios[@]}" | median) x"
