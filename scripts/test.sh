#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${test_packages[@]}"

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
