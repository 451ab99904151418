#!/usr/bin/env bash
# Installs the build into a fresh scratch prefix, as `cmake --install` would for a user.
# Usage: stage_install.sh BUILD_DIR PREFIX
set -euo pipefail
build_dir=$1 prefix=$2

# A fresh prefix, so no file left from an earlier run can stand in for a missing one.
rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix"
[ -x "$prefix/bin/testola" ] || { echo "bin/testola was not installed" >&2; exit 1; }
