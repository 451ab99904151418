#!/usr/bin/env bash
# The program on a virtual X screen under openbox, with qt6ct's "darker" colour scheme as a user would pick it:
# the first example's matrix must stand at 7:1 or more against its panel, measured from a screenshot (WCAG 2
# relative luminance), and a drag on the title strip must move the window exactly as far as the pointer while a
# click on it moves nothing.
# Usage: scripts/x11-desktop.sh PROGRAM
set -euo pipefail
program=$1

scratch=$(mktemp -d)
xvfb_pid=
wm_pid=
program_pid=
# shellcheck disable=SC2317 # called by the trap below
cleanup() {
    local pid
    for pid in $program_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number to the pipe, so parallel runs cannot collide.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
read -r -t 20 display <"$scratch/display" || true
[ -n "$display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=:$display
openbox >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done

mkdir -p "$scratch/config/qt6ct" "$scratch/runtime"
chmod 700 "$scratch/runtime"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$scratch/config/qt6ct/qt6ct.conf"
XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORMTHEME=qt6ct QT_QPA_PLATFORM=xcb \
    "$program" >"$scratch/program.log" 2>&1 &
program_pid=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Testola$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the program's window did not appear: $(cat "$scratch/program.log"; xwininfo -root -tree | head -20)"
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$X $Y $WIDTH $HEIGHT"
}
read -r x y width height < <(geometry)
echo "window: ${width}x${height} at $x,$y"

# The first example, the keyboard following the pointer over the window.
xdotool mousemove $((x + width / 2)) $((y + height - 4))
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key --delay 50 Return
sleep 0.5
import -window "$window" "$scratch/shot.png"

# The band between the two rows of buttons holds the matrix: 57 to 112 of the window's 137 designed pixels, at
# whatever scale the desktop's font gave the window. Its commonest colour is the panel; the matrix is the pixel
# that stands out from it most.
band_top=$(((57 * height + 68) / 137 + 1))
band_bottom=$(((112 * height + 68) / 137 - 1))
ratio=$(convert "$scratch/shot.png" -crop "${width}x$((band_bottom - band_top))+0+$band_top" +repage \
    -depth 8 txt:- | awk -F'[(),]' '
    function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    NR > 1 {
        colour = $3 "," $4 "," $5
        count[colour]++
        luminance[colour] = 0.2126 * linear($3) + 0.7152 * linear($4) + 0.0722 * linear($5)
    }
    END {
        for (colour in count) if (count[colour] > most) { most = count[colour]; panel = colour }
        for (colour in count) {
            a = luminance[colour]; b = luminance[panel]
            r = a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05)
            if (r > best) best = r
        }
        printf "%.2f\n", best
    }')
echo "the matrix against its panel: $ratio:1"
awk -v r="$ratio" 'BEGIN { exit !(r >= 7) }' || fail "the matrix stands at $ratio:1, below 7:1"

# A click on the strip (right of the title, left of the buttons) leaves the window where it is; a drag by
# (90, 50) moves it by just as much.
strip_x=$((x + width * 230 / 313)) strip_y=$((y + height * 12 / 137))
xdotool mousemove "$strip_x" "$strip_y" click 1
sleep 0.5
read -r after_x after_y _ _ < <(geometry)
[ "$after_x,$after_y" = "$x,$y" ] || fail "a click on the strip moved the window from $x,$y to $after_x,$after_y"
xdotool mousemove "$strip_x" "$strip_y" mousedown 1
sleep 0.2
for _ in $(seq 10); do
    xdotool mousemove_relative -- 9 5
    sleep 0.05
done
sleep 0.3
xdotool mouseup 1
sleep 0.5
read -r after_x after_y _ _ < <(geometry)
[ "$((after_x - x)),$((after_y - y))" = "90,50" ] ||
    fail "a drag by 90,50 moved the window by $((after_x - x)),$((after_y - y))"
echo "The matrix reads at $ratio:1 under qt6ct's darker scheme, and the strip moves the window with the pointer."
