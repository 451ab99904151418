#!/usr/bin/env bash
# Whole exams in testola.exe under Wine typed as one stream of keys, 5, 12 and 40 ms apart, by xdotool on an X
# display with a window manager (openbox), as scripts/with-wine.sh gives one: Return on the exam button, Return on
# the answer button, the answer, Return on OK, for each example, and Return on the result button. Every key counts only if
# none is lost as a box opens or closes, and then each run ends at the verdict for 16 points. Then, at the same
# pace, what an applicant does next: Return closes the verdict, Return on the exam button (which has the focus
# again) starts a second exam, Return on the answer button opens its answer box; the box is there only if none
# of these keys was lost as the verdict closed. Escape cancels that box and Escape ends the program with 0.
# Usage: exam_key_stream.sh TESTOLA_EXE FIRST_EXAM_ANSWERS_EXE [RUNS]
set -euo pipefail
exe=$1 answers_exe=$2 runs=${3:-1}

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
for ((run = 1; run <= runs; run++)); do
    for delay in 5 12 40; do
        start_program wine "$exe"
        xdotool windowactivate --sync "$window"
        # Wine has taken the X keyboard the window manager gave it, so that the first key reaches the program.
        within 10 has_keyboard || fail "the window did not get the keyboard"
        xdotool key --delay "$delay" "${keys[@]}"
        window_named "Тестирование успешно пройдено" 5 >/dev/null ||
            fail "the stream of ${#keys[@]} keys $delay ms apart did not end at the verdict for 16 points"
        xdotool key --delay "$delay" Return Return Return
        window_named "Ввод ответа" 5 >/dev/null ||
            fail "the three Returns $delay ms apart after the verdict did not open the second exam's answer box"
        xdotool key Escape
        within 10 no_window_named "Ввод ответа" || fail "Escape did not cancel the answer box"
        xdotool key Escape
        ends_with_success
        echo "run $run: ${#keys[@]} keys $delay ms apart end at the verdict for 16 points, and the second exam begins"
    done
done
