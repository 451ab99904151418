#!/usr/bin/env bash
# Unpacks the .deb and starts its program: offscreen it must keep running (it only ends when told to), and on a
# virtual X screen its window must carry the program's icon at the sizes a desktop asks for.
# Usage: check_deb_runs.sh offscreen|x11 DEB
# Exits 77 (skipped) for x11 when Xvfb or the X tools are missing.
set -euo pipefail
mode=$1 deb=$2
if [ "$mode" = x11 ]; then
    for tool in Xvfb xdotool xprop; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed; skipped"; exit 77; }
    done
fi
source "$(dirname "$0")/../../scripts/end-to-end-common.sh"
dpkg-deb -x "$deb" "$scratch/root"
alive_after_a_second() {
    local status=0
    sleep 1
    kill -0 "$program_pid" 2>/dev/null && return
    wait "$program_pid" || status=$?
    fail "the program ended by itself (exit status $status)"
}

if [ "$mode" = offscreen ]; then
    start_in_session env QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/testola"
    program_pid=${sessions[-1]}
    alive_after_a_second
    exit 0
fi
start_x
start_program "$scratch/root/usr/bin/testola"
alive_after_a_second

status=0
icons=$(xprop -id "$window" _NET_WM_ICON | grep -oE 'Icon \([0-9]+ x [0-9]+\)' || true)
echo "$icons"
for size in 16 32 64; do
    echo "$icons" | grep -qxF "Icon ($size x $size)" || { echo "the window has no ${size}x${size} icon" >&2; status=1; }
done

# The desktop entry names the window class, so the dock can match the running window to the menu entry.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$scratch"/root/usr/share/applications/*.desktop)
if [ -z "$wm_class" ] || [ "$wm_class" != "$startup_class" ]; then
    echo "WM_CLASS class '$wm_class' differs from the desktop entry's StartupWMClass '$startup_class'" >&2
    status=1
fi
exit $status
