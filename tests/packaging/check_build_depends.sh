#!/usr/bin/env bash
# debian/control's Build-Depends must name what scripts/packages.sh installs for the build and the unit tests,
# the toolchain aside (the Debian build has its own), and nothing else but debhelper.
# Usage: check_build_depends.sh SOURCE_DIR
set -euo pipefail
source "$1/scripts/packages.sh"
listed=$(printf '%s\n' "${build_packages[@]}" "${unit_test_packages[@]}" |
    grep -vxF -f <(printf '%s\n' "${toolchain_packages[@]}") | sort)
# The field's lines up to the next field, one package a line, without versions, build profiles and the
# :native that a cross build needs for a package of no architecture.
declared=$(sed -n '/^Build-Depends:/,/^[A-Z]/p' "$1/debian/control" | sed '$d; s/^Build-Depends://' | tr ',' '\n' |
    awk '{ sub(/:native$/, "", $1); print $1 }' | grep -vx -e '' -e debhelper-compat | sort)
diff -u <(echo "$declared") <(echo "$listed") ||
    { echo "FAILED: debian/control's Build-Depends (-) differs from scripts/packages.sh (+)" >&2; exit 1; }
