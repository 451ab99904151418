# What the end-to-end runs share (scripts/wayland-smoke.sh, scripts/x11-keys.sh and scripts/gnome-keys.sh);
# sourced, not run.
# shellcheck shell=bash

# Each process started in the background runs in a session of its own (setsid), so that everything it starts,
# whatever user it runs as, can be ended with it: a signal to runuser alone does not reach the compositor.
sessions=()
start_in_session() {
    setsid "$@" &
    sessions+=("$!")
}

# Ends every session started above (SIGTERM, then SIGKILL after five seconds) and fails when any process of
# them is still there afterwards.
end_sessions() {
    local session left=
    for session in "${sessions[@]}"; do
        kill -TERM -- "-$session" 2>/dev/null || true
    done
    for _ in $(seq 50); do
        left=$(for session in "${sessions[@]}"; do pgrep -s "$session" || true; done)
        [ -z "$left" ] && break
        sleep 0.1
    done
    for session in "${sessions[@]}"; do
        kill -KILL -- "-$session" 2>/dev/null || true
        wait "$session" 2>/dev/null || true
    done
    left=$(for session in "${sessions[@]}"; do pgrep -s "$session" || true; done)
    if [ -n "$left" ]; then
        echo "FAILED: processes this run started are still running:" >&2
        ps -o pid,user,args -p "$(tr '\n' ',' <<<"$left" | sed 's/,$//')" >&2 || true
        return 1
    fi
}

# Makes the run's scratch folder ($scratch) and, as the run exits, ends every session started above (the run
# fails when a process of them is left) and removes the folder.
start_run() {
    scratch=$(mktemp -d)
    trap end_run EXIT
}
# shellcheck disable=SC2317 # called by the trap above
end_run() {
    local status=$?
    end_sessions || status=1
    rm -rf "$scratch"
    exit "$status"
}

# The numbers a picture shows in a box of it: a line of text for each line of numbers, one blank between them.
# Tesseract reads the digits but not the narrow blanks, so they are found from where it saw each digit: a gap
# wider than half a digit between two digits of a line.
numbers_in() {
    local shot=$1 box=$2
    convert "$shot" -crop "$box" +repage -colorspace Gray -resize 400% "$shot.crop.png"
    # Each line of a box file: the digit, then its left, bottom, right and top edges, counted from the bottom.
    tesseract "$shot.crop.png" - --psm 6 -c tessedit_char_whitelist=0123456789 makebox 2>/dev/null |
        sort -k5,5nr | awk '
            { height = $5 - $3; if (NR == 1 || top - $5 > height / 2) { row++; top = $5 } print row, $2, $4, $1 }' |
        sort -k1,1n -k2,2n | awk '
            $1 != row { if (line != "") print line; row = $1; line = $4; right = $3; next }
            { line = line ($2 - right > ($3 - $2) / 2 ? " " : "") $4; right = $3 }
            END { if (line != "") print line }'
}

# The answer to an example read off the screen: the midpoint of its largest and smallest number, as typed.
answer_to() {
    tr -s ' \n' '\n' <<<"$1" | grep -E '^[0-9]+$' | sort -n | sed -n '1p;$p' | paste -sd' ' |
        awk '{ printf "%g\n", ($1 + $2) / 2 }'
}

# Waits up to five seconds for the program ($program_pid) to end by itself, and fails (the caller's fail)
# unless it ends with status 0.
ends_with_success() {
    local status=
    for _ in $(seq 50); do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            status=0
            wait "$program_pid" || status=$?
            break
        fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "Escape did not end the program"
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
