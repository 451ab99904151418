#!/usr/bin/env bash
# Runs lintian on the package as a distribution's maintainer would (the .changes: source and binary), info,
# pedantic and experimental tags included: an error or a warning fails; every tag it prints is shown.
# Usage: check_lintian.sh CHANGES_OR_DEB
# Exits 77 (skipped) where lintian is not installed.
set -euo pipefail
package=$1
command -v lintian >/dev/null || { echo "lintian is not installed; skipped"; exit 77; }

# It exits non-zero on errors only (or when it cannot run); warnings are read off the tags, "W: package: tag ...".
status=0
report=$(lintian --pedantic --display-info --display-experimental "$package" 2>&1) || status=$?
echo "$report"
if grep -qE '^[EW]: ' <<<"$report"; then
    echo "lintian finds errors or warnings in $package" >&2
    exit 1
fi
[ $status -eq 0 ] || { echo "lintian ended with exit status $status" >&2; exit 1; }
