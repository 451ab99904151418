#!/usr/bin/env bash
# Reads testola.exe's version resource back as Windows does, through a reader run under Wine. The reader may be of
# the other architecture: it reads the file and never runs it, so a 32-bit .exe is checked where Wine runs only
# 64-bit programs.
# Usage: check_version.sh READ_VERSION_EXE TESTOLA_EXE LICENSE VERSION_ENV
#        (VERSION_ENV, written by the build: version=1.00 and binary_version=1.0.0.0, say)
set -euo pipefail
version_exe=$1 exe=$2 license=$3
# shellcheck source=/dev/null
source "$4"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

resource=$(wine "$version_exe" "$(winepath -w "$exe")" | tr -d '\r')
echo "$resource"
copyright=$(grep -m 1 '^Copyright ' "$license")
for expected in "FILEVERSION=$binary_version" "PRODUCTVERSION=$binary_version" "FileVersion=$version" \
    "ProductVersion=$version" ProductName=Testola InternalName=Testola OriginalFilename=testola.exe \
    "LegalCopyright=$copyright"; do
    grep -qxF "$expected" <<<"$resource" || fail "the version resource lacks $expected"
done
echo "The version resource reads back"
