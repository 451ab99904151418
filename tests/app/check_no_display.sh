#!/usr/bin/env bash
# The program started where no display can be opened: it must say so in its one line, naming DISPLAY and
# WAYLAND_DISPLAY, and end with status 1, with no abort and no core file.
# Usage: check_no_display.sh PROGRAM SCRATCH_DIR none|nowhere|wayland
set -euo pipefail
program=$1 scratch=$2 case=$3
rm -rf "$scratch"
# shellcheck disable=SC2174 # only the runtime folder, the deepest, must be private
mkdir -p -m 700 "$scratch/runtime"
cd "$scratch"
ulimit -c unlimited
environment=(env -i PATH=/usr/bin:/bin HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime")
case $case in
none) ;;                                           # neither variable set
nowhere) environment+=(DISPLAY=:77777) ;;            # a display no server answers
wayland) environment+=(QT_QPA_PLATFORM=wayland) ;; # Wayland asked for, and no compositor
esac

status=0 failed=0
"${environment[@]}" "$program" >out 2>err || status=$?
fault() { echo "$*" >&2; failed=1; }
[ "$status" -eq 1 ] || fault "the status is $status, not 1"
expected="Testola: нет дисплея для окна программы (проверьте DISPLAY и WAYLAND_DISPLAY) / no display to show the window on (check DISPLAY and WAYLAND_DISPLAY)"
[ "$(cat err)" = "$expected" ] || fault "standard error is not the one line expected: $(cat err)"
[ ! -s out ] || fault "standard output is not empty"
! ls core* >/dev/null 2>&1 || fault "a core file was left"
exit $failed
