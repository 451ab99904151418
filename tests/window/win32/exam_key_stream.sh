#!/usr/bin/env bash
# Whole exams in testola.exe under Wine typed as one stream of keys, 5, 12 and 40 ms apart, by xdotool on an X display with a
# window manager (openbox), as scripts/with-wine.sh gives one: Return on the exam button, Return on the answer
# button, the answer, Return on OK, for each example, and Return on the result button. Every key counts only if
# none is lost as a box opens or closes, and then each run ends at the verdict for 16 points.
# Usage: exam_key_stream.sh TESTOLA_EXE FIRST_EXAM_ANSWERS_EXE
set -euo pipefail
exe=$1 answers_exe=$2

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits up to ten seconds (or the tenths given) for a visible window with exactly this name and prints its id.
wait_for_window() {
    local id
    for _ in $(seq "${2:-100}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

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
    wine "$exe" &
    program=$!
    trap 'kill "$program" 2>/dev/null || true' EXIT
    form=$(wait_for_window Testola) || fail "the window did not open"
    xdotool windowactivate --sync "$form"
    sleep 0.3
    xdotool key --delay "$delay" "${keys[@]}"
    wait_for_window "Тестирование успешно пройдено" 50 >/dev/null ||
        fail "the stream of ${#keys[@]} keys $delay ms apart did not end at the verdict for 16 points"
    xdotool key Return
    xdotool windowactivate --sync "$form"
    xdotool key Escape
    status=0
    wait "$program" || status=$?
    trap - EXIT
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    echo "${#keys[@]} keys $delay ms apart end at the verdict for 16 points"
done
