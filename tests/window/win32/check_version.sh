#!/usr/bin/env bash
# Reads testola.exe's version resource back as Windows does, through a reader run under Wine. The reader may be of
# the other architecture: it reads the file and never runs it, so a 32-bit .exe is checked where Wine runs only
# 64-bit programs.
# Usage: check_version.sh READ_VERSION_EXE TESTOLA_EXE LICENSE
set -euo pipefail
version_exe=$1 exe=$2 license=$3

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

version=$(wine "$version_exe" "$(winepath -w "$exe")" | tr -d '\r')
echo "$version"
copyright=$(grep -m 1 '^Copyright ' "$license")
for expected in FILEVERSION=1.0.0.0 PRODUCTVERSION=1.0.0.0 FileVersion=1.00 ProductVersion=1.00 \
    ProductName=Testola InternalName=Testola OriginalFilename=testola.exe "LegalCopyright=$copyright"; do
    grep -qxF "$expected" <<<"$version" || fail "the version resource lacks $expected"
done
echo "The version resource reads back"
