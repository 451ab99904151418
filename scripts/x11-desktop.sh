#!/usr/bin/env bash
# The program on a virtual X screen under openbox, with qt6ct's "darker" colour scheme as a user would pick it:
# the first example's matrix must stand at 7:1 or more against its panel, measured from a screenshot (WCAG 2
# relative luminance), and a drag on the title strip must move the window exactly as far as the pointer while a
# click on it moves nothing.
# Usage: scripts/x11-desktop.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/end-to-end-common.sh"
read_layout "$program"
start_x openbox
mkdir -p "$scratch/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$scratch/config/qt6ct/qt6ct.conf"
start_program env XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORMTHEME=qt6ct "$program"
echo "window: ${WIDTH}x$HEIGHT at $X,$Y"

# The first example. The band between the rows of buttons holds the matrix, at whatever scale the desktop's font
# gave the window; it is judged, once it shows, by the window's own contrast rule (testola_matrix_contrast).
xdotool windowactivate --sync "$window"
key Return
matrix_reads() {
    shoot "$scratch/shot.png"
    ratio=$(convert "$scratch/shot.png" -crop "$(matrix_band)" +repage -depth 8 -format %c histogram:info:- |
        "$(dirname "$program")/../tests/testola_matrix_contrast")
}
within 5 matrix_reads || fail "the matrix stands at $ratio:1 against its panel, below the matrix's contrast"
echo "the matrix against its panel: $ratio:1"

# A click on the strip, left of its buttons, leaves the window where it is, and a drag from there by (90, 50), in
# ten steps as a hand drags, moves it by just as much: the window must be where the pointer took it after each
# step. The window manager may take the first step before it has begun the move, so the pointer is nudged back
# and forth until the window follows it.
x=$X y=$Y
xdotool mousemove --window "$window" "$(scaled "$strip_x")" "$(scaled "$strip_y")" click 1 mousedown 1
window_at() { geometry && [ "$X,$Y" = "$1,$2" ]; }
follows() { xdotool mousemove_relative -- 1 0 mousemove_relative -- -1 0 && window_at "$@"; }
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove_relative -- 9 5
    within 5 follows $((x + 9 * step)) $((y + 5 * step)) ||
        fail "after a click and a drag by $((9 * step)),$((5 * step)) the window moved from $x,$y to $X,$Y"
done
xdotool mouseup 1
window_at $((x + 90)) $((y + 50)) || fail "a drag by 90,50 moved the window by $((X - x)),$((Y - y))"
echo "The matrix reads at $ratio:1 under qt6ct's darker scheme, and the strip moves the window with the pointer."
