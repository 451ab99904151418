#!/usr/bin/env bash
# Unpacks the .deb and starts its program: offscreen it must keep running (it only ends when told to), and on a
# virtual X screen its window must carry the program's icon at the sizes a desktop asks for.
# Usage: check_deb_runs.sh offscreen|x11 DEB SCRATCH_DIR
# Exits 77 (skipped) for x11 when Xvfb or the X tools are missing.
set -euo pipefail
mode=$1 deb=$2 scratch=$3

if [ "$mode" = x11 ]; then
    for tool in Xvfb xwininfo xprop; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed; skipped"; exit 77; }
    done
fi

rm -rf "$scratch"
mkdir -p "$scratch/root" "$scratch/runtime"
chmod 700 "$scratch/runtime"
dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/bin/testola
export XDG_RUNTIME_DIR=$scratch/runtime

program_pid=
xvfb_pid=
# shellcheck disable=SC2317 # called by the trap below
cleanup() {
    local pid
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

alive_after_a_second() {
    sleep 1
    if ! kill -0 "$program_pid" 2>/dev/null; then
        local code=0
        wait "$program_pid" || code=$?
        program_pid=
        echo "the program ended by itself (exit status $code)" >&2
        exit 1
    fi
}

if [ "$mode" = offscreen ]; then
    QT_QPA_PLATFORM=offscreen "$program" &
    program_pid=$!
    alive_after_a_second
    exit 0
fi

# Xvfb picks a free display itself and writes its number to the pipe, so parallel runs cannot collide.
display_file=$scratch/display
mkfifo "$display_file"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$display_file" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
read -r -t 20 display <"$display_file" || true
[ -n "$display" ] || { echo "Xvfb did not start:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=:$display

QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
alive_after_a_second

# Qt also makes hidden helper windows; the program's own is the one with a WM_CLASS, listed as ("inst" "Class").
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree | awk '/ "Testola": \("/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window named Testola appeared" >&2; xwininfo -root -tree >&2; exit 1; }

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
