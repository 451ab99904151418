#!/usr/bin/env bash
# The deeper checks, run after scripts/test.sh: the code's formatting, every test under the sanitizers, a minute
# of fuzzing TextToDouble, valgrind over the toolkit-free tests, the program on Wayland, the engine benchmarks and
# the Windows builds under Wine (scripts/windows.sh), the Debian package, built on Debian 12, 13 and unstable, the
# README's test command on Debian 13, and the builds for arm64 and s390x tested under qemu-user (scripts/cross.sh).
# Fails on the first problem.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${test_packages[@]}" "${check_packages[@]}" "${debian_packages[@]}"

section() { printf '\n==== %s ====\n' "$*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

section "1/10 Formatting: every C++ file as clang-format writes it"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}" || fail "the files above differ from what clang-format makes of" \
    "them (.clang-format). To fix them: clang-format -i \$(git ls-files '*.cpp' '*.h')"
echo "All ${#sources[@]} C++ files are formatted."

section "2/10 Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

section "3/10 Fuzzing TextToDouble for 60 seconds"
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz
# Fuzz from a copy, so that the inputs found here never grow the checked-in corpus.
cp -r fuzz/corpus "$scratch/corpus"
mkdir "$scratch/artifacts"
if ! build/fuzz/text_to_double_fuzzer -max_len=4096 -max_total_time=60 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$scratch/artifacts/" "$scratch/corpus" >"$scratch/fuzz.log" 2>&1; then
    tail -n 60 "$scratch/fuzz.log"
    for artifact in "$scratch"/artifacts/*; do
        [ ! -e "$artifact" ] || { echo "Failing input ($(basename "$artifact")):" && od -c "$artifact" | head -n 20; }
    done
    fail "the fuzzer found a crash or a disagreement with the oracle"
fi
grep -E '^Done|stat::number_of_executed_units|stat::peak_rss_mb' "$scratch/fuzz.log"

section "4/10 valgrind memcheck over the engine and runtime tests"
cmake --preset dev >/dev/null
cmake --build --preset dev
# The megabyte-sized timing test is left out: its one-second limit per text is about the code's speed, which
# valgrind's slowdown would misjudge. The ASan run above covers the same texts.
for tests in build/dev/tests/testola_engine_tests build/dev/tests/testola_runtime_tests; do
    echo "valgrind $tests"
    valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
        "$tests" --gtest_brief=1 --gtest_filter=-TextToDouble.HugeTextsTakeLinearTime
done

section "5/10 The program on Wayland (headless sway, keys from wtype, the screen read back; headless mutter, keys" \
    "typed ahead with Qt's GNOME theme) and on X11 (openbox, dark)"
scripts/wayland-smoke.sh build/dev/app/testola "$(basename build/dev/packaging/*.desktop .desktop)"
# Twenty exams typed ahead of the boxes on GNOME's own compositor, with Qt's GNOME theme.
scripts/gnome-keys.py build/dev/app/testola build/dev/tests/testola_first_exam_answers
# The same keys typed ahead of the boxes on X11, and a burst of Returns.
scripts/x11-keys.sh build/dev/app/testola
scripts/x11-desktop.sh build/dev/app/testola

section "6/10 Engine benchmarks (each must take under 1 microsecond)"
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/testola_engine_benchmark --benchmark_min_time=0.05 \
    --benchmark_out="$scratch/bench.csv" --benchmark_out_format=csv
# Columns: name, iterations, real_time, cpu_time, time_unit, ...
awk -F, 'NR > 1 && /^"/ {
        count++
        ns = $4 * ($5 == "s" ? 1e9 : $5 == "ms" ? 1e6 : $5 == "us" ? 1e3 : 1)
        if (ns >= 1000) { printf "FAILED: %s takes %.0f ns\n", $1, ns; slow = 1 }
    }
    END { if (!count) print "FAILED: no benchmark figures"
          else if (!slow) printf "All %d engine benchmarks take under 1 microsecond.\n", count
          exit slow || !count }' "$scratch/bench.csv"

section "7/10 Windows: both executables and their zips, every test under Wine"
scripts/windows.sh
section "8/10 The Debian package: built, judged, tested installed, rebuilt alike, built in a clean chroot"
scripts/check-debian-package.sh "$scratch/debian"
section "9/10 Debian 13: the README's test command from a clean clone, in a fresh minimal system"
scripts/check-releases.sh test "$scratch/releases" trixie

section "10/10 Other architectures under qemu-user: arm64 with every test, the Qt window's offscreen, and big-endian" \
    "s390x with every test whose packages install there"
for arch in arm64 s390x; do
    scripts/cross.sh "$arch"
done

section "All checks passed"
