#!/usr/bin/env bash
# Configures the tree, tests included, with dpkg hidden from the PATH, as on a system that is not Debian: the
# configuring must succeed, with the install tests in place (only building the .deb, in debian/, needs dpkg).
# Usage: check_configure_without_dpkg.sh SOURCE_DIR SCRATCH_DIR CMAKE CTEST CXX_COMPILER
set -euo pipefail
source_dir=$1 scratch=$2 cmake=$3 ctest=$4 cxx=$5

rm -rf "$scratch"
mkdir -p "$scratch/bin"
# A PATH of one folder with links to every program of the real one, except dpkg and its tools. ln leaves a name
# already linked alone (and says so, hence the silence), so the first folder on the PATH wins, as it would.
IFS=: read -ra folders <<<"$PATH"
for folder in "${folders[@]}"; do
    if [ -d "$folder" ]; then ln -s "$folder"/* "$scratch/bin/" 2>/dev/null || true; fi
done
rm -f "$scratch"/bin/dpkg*
export PATH=$scratch/bin
if command -v dpkg >/dev/null; then echo "dpkg is still on the PATH" >&2; exit 1; fi

"$cmake" -S "$source_dir" -B "$scratch/build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DTESTOLA_BUILD_TESTS=ON \
    >"$scratch/configure.log" 2>&1 || { cat "$scratch/configure.log" >&2; echo "configuring failed" >&2; exit 1; }

listed=$(cd "$scratch/build" && "$ctest" -N) || { echo "$listed" >&2; exit 1; }
for test in install documents hardening; do
    grep -qE "Test +#[0-9]+: packaging\.$test\$" <<<"$listed" || { echo "$listed" >&2; echo "packaging.$test is missing" >&2; exit 1; }
done
echo "Configured without dpkg, with the install tests."
