#!/usr/bin/env bash
# Runs one Windows program under Wine: how CTest and the test discovery start every cross-built test program.
#
# Now and then, within a few seconds of a fresh prefix's server starting, Wine ends a program some hundredths of a
# second after starting it, with a failure and not a word, before any of the program's own code has run: one test
# in about one run of the whole 64-bit suite in a dozen, each time a different one. Every program started this way
# writes something before it can fail, so one that failed having written nothing is started once more, and that
# is said. A fault of the program's own still fails the test: it fails the second time too.
# Usage: scripts/wine-run.sh PROGRAM ARGUMENT...
set -uo pipefail
output=$(mktemp) errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT

for attempt in 1 2; do
    status=0
    wine "$@" >"$output" 2>"$errors" || status=$?
    cat "$output"
    cat "$errors" >&2
    if [ "$status" -eq 0 ] || [ -s "$output" ] || [ -s "$errors" ] || [ "$attempt" -eq 2 ]; then
        exit "$status"
    fi
    echo "wine-run: $(basename "$1") ended with status $status before writing anything; starting it once more" >&2
done
