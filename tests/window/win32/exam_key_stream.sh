#!/usr/bin/env bash
# Whole exams in testola.exe under Wine typed as one stream of keys, 5, 12 and 40 ms apart, by xdotool on an X
# display with a window manager (openbox), as scripts/with-wine.sh gives one: Return on the exam button, Return on
# the answer button, the answer, Return on OK, for each example, and Return on the result button. Every key counts only if
# none is lost as a box opens or closes, and then each run ends at the verdict for 16 points.
# Usage: exam_key_stream.sh TESTOLA_EXE FIRST_EXAM_ANSWERS_EXE
set -euo pipefail
exe=$1 answers_exe=$2

source "$(dirname "$0")/../../../scripts/end-to-end-common.sh"

mapfile -t answers < <(wine "$answers_exe" | tr -d '\r')
[ ${#answers[@]} -eq 8 ] || fail "the engine gave ${#answers[@]} answers, not 8"
keys=()
for answer in "${answers[@]}"; do
    keys+=(Return Return)
    for ((i = 0; i < ${#answer}; i++)); do
        case ${answer:i:1} in
        .) keys+=(period) ;;
        -) keys+=(minus) ;;
        *) keys+=("${answer:i:1}") ;;
        esac
    done
    keys+=(Return)
done
keys+=(Return)

# Keys were lost at each of these paces, as a box closed, while the window manager held the keyboard.
for delay in 5 12 40; do
    start_program wine "$exe"
    xdotool windowactivate --sync "$window"
    sleep 0.3
    xdotool key --delay "$delay" "${keys[@]}"
    window_named "Тестирование успешно пройдено" 5 >/dev/null ||
        fail "the stream of ${#keys[@]} keys $delay ms apart did not end at the verdict for 16 points"
    xdotool key Return
    xdotool windowactivate --sync "$window"
    xdotool key Escape
    ends_with_success
    echo "${#keys[@]} keys $delay ms apart end at the verdict for 16 points"
done
