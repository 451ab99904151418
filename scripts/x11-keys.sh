#!/usr/bin/env bash
# The program on X11 (Xvfb, no window manager), driven by XTest keys from xdotool, typed ahead of its boxes: the
# answers typed right after Return on the answer button must count, and a burst of Returns 5 ms apart must take
# the exam exactly as far as a model of it that takes the keys one by one. Every process it starts is ended
# when it exits, and that is checked.
# Usage: scripts/x11-keys.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/end-to-end-common.sh"
read_build_facts "$program"
start_x

# Examples 1 to 4 answered right, typed ahead: Return on the answer button, the answer and Return with no pause.
# Examples 5 to 8 take the default 0, wrong, by Returns alone, all twelve at once. The verdict says the test was
# passed (8 points) only if each of the four answers typed ahead counted.
start_program "$program"
for number in 1 2 3 4; do answer_ahead "$number"; done
type_ahead Return Return Return Return Return Return Return Return Return Return Return Return
key Return # the verdict
window_named 'Тестирование успешно пройдено' 5 >/dev/null || fail "no verdict of a passed test"
echo "The four answers typed ahead counted: the verdict is a pass."
# Escape closes the verdict, and the Escape right after it reaches the window and ends the program.
type_ahead Escape Escape
ends_with_success

# A burst of 207 Returns, 5 ms apart. Taken one by one, each exam takes 26 (three for each of its eight
# examples, one to open the verdict and one to close it), so 207 are seven exams and 25 Returns more: the eighth
# exam's last answer and then its verdict, left open.
start_program "$program"
xdotool key --delay 5 $(printf 'Return %.0s' $(seq 207))
# A loaded machine may still be working through the keys: wait up to ten seconds for the verdict.
window_named 'Тестирование не пройдено' >/dev/null || fail "207 Returns did not reach the eighth exam's verdict"
# Once the Escape typed after them has closed the verdict, every Return has been taken: none left a box open.
xdotool key Escape
within 10 no_window_named 'Тестирование не пройдено' || fail "Escape did not close the eighth exam's verdict"
no_window_named 'Ввод ответа' || fail "an answer box is open beside the eighth exam's verdict"
echo "207 Returns took the program exactly as far as the model: the eighth exam's verdict was open."
xdotool key Escape
ends_with_success
echo "The program on X11 kept every key typed ahead of its boxes and ended with status 0."
