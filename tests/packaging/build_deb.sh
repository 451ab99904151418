#!/usr/bin/env bash
# Builds the .deb with CPack from the build, into a fresh scratch folder, and checks its file name. Built a second
# time with the same SOURCE_DATE_EPOCH, it must come out the same, byte for byte.
# Usage: build_deb.sh BUILD_DIR OUTPUT_DIR EXPECTED_FILE_NAME
set -euo pipefail
build_dir=$1 output=$2 expected=$3

rm -rf "$output"
mkdir -p "$output/again"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date +%s)}
(cd "$build_dir" && cpack -G DEB -B "$output")
[ -f "$output/$expected" ] || {
    echo "CPack did not make $expected; it made:" >&2
    ls "$output" >&2
    exit 1
}
(cd "$build_dir" && cpack -G DEB -B "$output/again" >/dev/null)
cmp "$output/$expected" "$output/again/$expected" || { echo "two builds of the package differ" >&2; exit 1; }
