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
# gave the window: its commonest colour is the panel; the matrix is the pixel that stands out from it most.
xdotool windowactivate --sync "$window"
key Return
sleep 0.2
shoot "$scratch/shot.png"
# Each luminance is kept with the 0.05 that WCAG adds to it, so that a ratio is their quotient.
ratio=$(convert "$scratch/shot.png" -crop "$(matrix_band)" +repage -depth 8 txt:- | awk -F'[(),]' '
    function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    NR > 1 { colour = $3 "," $4 "," $5; count[colour]++
             luminance[colour] = 0.2126 * linear($3) + 0.7152 * linear($4) + 0.0722 * linear($5) + 0.05 }
    END { for (colour in count) if (count[colour] > most) { most = count[colour]; panel = luminance[colour] }
          for (colour in count) { r = luminance[colour] / panel; if (r < 1) r = 1 / r; if (r > best) best = r }
          printf "%.2f\n", best }')
echo "the matrix against its panel: $ratio:1"
awk -v r="$ratio" 'BEGIN { exit !(r >= 7) }' || fail "the matrix stands at $ratio:1, below 7:1"

# A click on the strip, left of its buttons, leaves the window where it is; a drag by
# (90, 50) moves it by just as much.
x=$X y=$Y
xdotool mousemove --window "$window" "$(scaled "$strip_x")" "$(scaled "$strip_y")" click 1 sleep 0.5
geometry
[ "$X,$Y" = "$x,$y" ] || fail "a click on the strip moved the window from $x,$y to $X,$Y"
# In ten steps, as a hand drags, in one chain of xdotool's commands.
# shellcheck disable=SC2046
xdotool mousedown 1 sleep 0.2 $(printf 'mousemove_relative -- 9 5 sleep 0.05 %.0s' $(seq 10)) \
    sleep 0.3 mouseup 1 sleep 0.5
geometry
[ "$((X - x)),$((Y - y))" = "90,50" ] || fail "a drag by 90,50 moved the window by $((X - x)),$((Y - y))"
echo "The matrix reads at $ratio:1 under qt6ct's darker scheme, and the strip moves the window with the pointer."
