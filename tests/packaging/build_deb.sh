#!/usr/bin/env bash
# Builds the .deb with CPack from the build, into a fresh scratch folder, and checks its file name.
# Usage: build_deb.sh BUILD_DIR OUTPUT_DIR EXPECTED_FILE_NAME
set -euo pipefail
build_dir=$1 output=$2 expected=$3

rm -rf "$output"
mkdir -p "$output"
(cd "$build_dir" && cpack -G DEB -B "$output")
[ -f "$output/$expected" ] || {
    echo "CPack did not make $expected; it made:" >&2
    ls "$output" >&2
    exit 1
}
