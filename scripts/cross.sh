#!/usr/bin/env bash
# Cross-builds the program and its tests for another Debian architecture and runs every test under qemu-user:
# scripts/cross.sh arm64 (or s390x, armhf, ppc64el, riscv64...). It adds the architecture to dpkg where it is
# missing, and installs its cross compilers, the build's and the tests' libraries for it, and qemu-user.
#
# What cannot be installed for the architecture is said in one line, and all that needs none of it is still built
# and tested: without the architecture's Qt, the engine, the runtime, the window's behaviour and their tests. An
# architecture added for nothing is removed again. Fails on a failed install of the compilers or of GoogleTest,
# and on a failed test.
# Usage: scripts/cross.sh ARCH
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/architectures.sh
arch=${1:?Usage: scripts/cross.sh ARCH (a Debian architecture: arm64, armhf, ppc64el, riscv64, s390x...)}
started=$SECONDS

fail() { echo "FAILED: $*" >&2; exit 1; }

scripts/ensure-packages.sh "${cross_packages[@]}" "${test_packages[@]}"
[ "$arch" != "$(dpkg --print-architecture)" ] || fail "$arch is this machine's own architecture: scripts/test.sh" \
    "builds and tests for it"
dpkg-architecture -L | grep -xF -- "$arch" >/dev/null ||
    fail "dpkg knows no architecture named $arch (dpkg-architecture -L lists them)"
triplet=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)

# Leave dpkg as it was found.
added_arch=
! add_architecture "$arch" || added_arch=yes
remove_added_arch() { [ -z "$added_arch" ] || remove_architecture_if_unused "$arch"; }
trap remove_added_arch EXIT

scripts/ensure-packages.sh "crossbuild-essential-$arch"

# The libraries among the build's and the tests' packages, which the target links with, are those that install
# for several architectures side by side; the others (tools, fonts, translations) run or are read on this machine.
libraries_of() {
    local package
    for package in "$@"; do
        apt-cache show --no-all-versions "$package" 2>/dev/null | grep -x 'Multi-Arch: same' >/dev/null || continue
        echo "$package:$arch"
    done
}
mapfile -t build_libraries < <(libraries_of "${build_packages[@]}")
mapfile -t test_libraries < <(libraries_of "${unit_test_packages[@]}")

# All at once when the archive can give them, else one by one, to know which it cannot.
not_installed=() reasons=()
if ! scripts/ensure-packages.sh "${build_libraries[@]}" "${test_libraries[@]}" 2>/dev/null; then
    for package in "${build_libraries[@]}" "${test_libraries[@]}"; do
        output=$(scripts/ensure-packages.sh "$package" 2>&1) && continue
        not_installed+=("$package")
        reasons+=("$(sed -n 's/^FAILED: .*apt said: //p' <<<"$output" | grep . || tail -n 1 <<<"$output")")
    done
fi
missing_of() { printf '%s\n' "${not_installed[@]}" | grep -xF -f <(printf '%s\n' "$@"); }
if missing_of "${test_libraries[@]}" >/dev/null; then
    fail "could not install $(missing_of "${test_libraries[@]}" | paste -sd' ') for $arch, so no test can be built." \
        "apt said: ${reasons[0]}"
fi
window=ON
if [ ${#not_installed[@]} -gt 0 ]; then
    window=OFF
    echo "Could not install ${not_installed[*]} (apt said: ${reasons[0]}), so the Qt window, the program and their" \
        "tests are not built for $arch; the rest is."
fi
# qemu runs the tests with the target's loader, C library and C++ runtime of one release: the archive's, where it
# gives them, else the cross toolchain's own (a loader of one and a libc of the other abort).
loader_prefix=
if ! scripts/ensure-packages.sh "${cross_runtime_packages[@]/%/:$arch}" 2>/dev/null; then
    dpkg-query -W -f='${Status}' "libc6:$arch" 2>/dev/null | grep 'install ok installed' >/dev/null &&
        fail "could not install ${cross_runtime_packages[*]/%/:$arch} beside libc6:$arch, so no test can run"
    echo "Could not install ${cross_runtime_packages[*]/%/:$arch}: the tests run with the cross toolchain's" \
        "C library and C++ runtime (/usr/$triplet)."
    loader_prefix=/usr/$triplet
fi
trap - EXIT
remove_added_arch

export TESTOLA_CROSS_TRIPLET=$triplet
build=build/cross-$triplet
cmake --preset cross -DTESTOLA_BUILD_WINDOW=$window -DTESTOLA_QEMU_LD_PREFIX="$loader_prefix" >/dev/null
cmake --build --preset cross
left_out=()
reasons=()
# check_no_display.sh starts the program by its path, and so needs the kernel to hand foreign programs to qemu
# (binfmt_misc, as qemu-user-binfmt registers); tried with a program of the build's own.
if [ "$window" = ON ] && ! "$build/tests/testola_first_exam_answers" >/dev/null 2>&1; then
    left_out+=('^app\.no_display_')
    reasons+=("app.no_display_*: they start the program by its path, and this kernel has no binfmt_misc for qemu")
fi
for reason in "${reasons[@]}"; do echo "Left out: $reason"; done
exclude=$(IFS='|' && echo "${left_out[*]}")
ctest --preset cross ${exclude:+-E "$exclude"}
echo "$arch ($triplet): every test run passed under $(basename "$(sed -n 's/^TESTOLA_QEMU:FILEPATH=//p' \
    "$build/CMakeCache.txt")") in $((SECONDS - started)) s, the Qt window $([ "$window" = ON ] && echo included ||
    echo left out)."
