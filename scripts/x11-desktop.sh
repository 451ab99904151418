#!/usr/bin/env bash
# The program on a virtual X screen under openbox, with qt6ct's "darker" colour scheme as a user would pick it:
# the first example's matrix, in a screenshot, must stand from its panel as far as the window's own contrast rule
# asks, and a drag on the title strip must move the window exactly as far as the pointer while a click on it
# moves nothing.
# Usage: scripts/x11-desktop.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/end-to-end-common.sh"
read_build_facts "$program"
start_x openbox
mkdir -p "$scratch/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    >"$scratch/config/qt6ct/qt6ct.conf"
start_program env XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORMTHEME=qt6ct "$program"
echo "window: ${WIDTH}x$HEIGHT at $X,$Y"

# The first example, in the band between the rows of buttons at whatever scale the desktop's font gave the window.
xdotool windowactivate --sync "$window"
key Return
matrix_reads() {
    shoot "$scratch/shot.png"
    ratio=$(convert "$scratch/shot.png" -crop "$(matrix_band)" +repage -depth 8 -format %c histogram:info:- |
        "$(dirname "$program")/../tests/testola_matrix_contrast")
}
within 5 matrix_reads || fail "the matrix stands at $ratio:1 against its panel, below the matrix's contrast"
echo "the matrix against its panel: $ratio:1"

# A click on the strip, left of its buttons, and a drag from there by (90, 50) in ten steps, as a hand drags, must
# move the window by just as much. The window manager may begin its move after some of the steps, so the pointer
# is nudged until the window stands where the pointer took it.
x=$X y=$Y
# shellcheck disable=SC2046
xdotool mousemove --window "$window" "$(scaled "$strip_x")" "$(scaled "$strip_y")" click 1 mousedown 1 \
    $(printf 'mousemove_relative -- 9 5 %.0s' $(seq 10))
follows() { xdotool mousemove_relative -- 1 0 mousemove_relative -- -1 0 && geometry && [ "$X,$Y" = "$1,$2" ]; }
within 5 follows $((x + 90)) $((y + 50)) || fail "a click and a drag by 90,50 moved the window by $((X - x)),$((Y - y))"
xdotool mouseup 1
echo "The matrix reads at $ratio:1 under qt6ct's darker scheme, and the strip moves the window with the pointer."
