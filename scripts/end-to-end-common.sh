# The harness of every check that drives the program on a desktop: a virtual X screen (Xvfb) with or without
# openbox, a headless sway (mutter is scripts/gnome-keys.py's own), the program's window and end, each waited for
# with a deadline, and the layout's points. Sourced, not run. Sourcing it makes a scratch folder, the runtime
# folder too; when the script exits, everything started here is ended and that is checked, and a failed run first
# shows the end of each log.
# shellcheck shell=bash

# Windows are found by their titles, which are Russian: xdotool reads them only in a UTF-8 locale, and a fresh
# machine may have none set.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_CTYPE=C.UTF-8
scratch=$(mktemp -d)
mkdir "$scratch/shots"
export XDG_RUNTIME_DIR=$scratch
# A failure is said last, after the logs' ends, so that it is the line a reader sees (from a subshell too).
fail() { echo "FAILED: $*" >>"$scratch/failures"; exit 1; }

# Each process started in the background runs in a session of its own (setsid), so that everything it starts,
# whatever user it runs as, can be ended with it: a signal to runuser alone does not reach the compositor.
sessions=()
start_in_session() { setsid "$@" & sessions+=("$!"); }

# Ends every session started above (SIGTERM, then SIGKILL after five seconds) and fails when any process of
# them is still there afterwards.
left_in_sessions() { for session in "${sessions[@]}"; do pgrep -s "$session" || true; done; }
none_left() { [ -z "$(left_in_sessions)" ]; }
signal_sessions() { for session in "${sessions[@]}"; do pkill "-$1" -s "$session" || true; done; }
end_sessions() {
    local session left
    signal_sessions TERM
    within 5 none_left || signal_sessions KILL
    for session in "${sessions[@]}"; do wait "$session" 2>/dev/null || true; done
    left=$(left_in_sessions)
    [ -z "$left" ] && return
    echo "FAILED: processes this run started are still running:" >&2
    ps -o pid,user,args -p "$(paste -sd, <<<"$left")" >&2 || true
    return 1
}

# What a script must stop itself before the sessions end (the Wine server, which leaves its session).
before_end() { :; }
# shellcheck disable=SC2317 # called by the trap below
finish() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        find "$scratch" -maxdepth 1 -name '*.log' -size +0 -exec tail -v -n 20 {} + >&2
        [ ! -s "$scratch/failures" ] || cat "$scratch/failures" >&2
    fi
    before_end
    end_sessions || status=1
    rm -rf "$scratch"
    exit "$status"
}
trap finish EXIT

# Runs a command every tenth of a second until it succeeds, for up to SECONDS; returns 1 when it never did.
within() {
    local end=$((SECONDS + $1))
    until "${@:2}"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# A virtual X screen of its own, the display for everything started after it, with openbox on it when asked.
# Xvfb picks a free display itself and writes its number to the pipe, so parallel runs cannot collide (opened
# for reading and writing, the pipe does not wait for a writer). -noreset: the screen stays as it is when its
# last client leaves.
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
start_x() {
    local display=
    mkfifo "$scratch/display"
    exec 3<>"$scratch/display"
    start_in_session Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1
    read -r -t 20 display <&3 || fail "Xvfb did not start"
    exec 3>&-
    export DISPLAY=:$display QT_QPA_PLATFORM=xcb
    if [ "${1:-}" = openbox ]; then
        start_in_session openbox >"$scratch/openbox.log" 2>&1
        within 5 window_manager_runs || fail "openbox did not start"
    fi
}

# The first visible X window with exactly this title, once there is one within SECONDS (ten by default), and
# whether there is none.
window_named() { within "${2:-10}" visible_window "$1"; }
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
no_window_named() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Starts the program (a command) and waits for its window, Testola: sets program_pid and window, and the
# window's place and size (X, Y, WIDTH, HEIGHT). With no window manager the keyboard follows the pointer, so the
# pointer is put over the window, low on it.
start_program() {
    start_in_session "$@" >"$scratch/program.log" 2>&1
    program_pid=${sessions[-1]}
    window=$(window_named Testola) || fail "the program's window did not appear"
    geometry
    xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT - 8))
}
# The program's window has the X keyboard: the program (Wine, say) has taken the focus the window manager gave it,
# so the keys typed next reach it.
has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; }
key() { xdotool key --delay 50 "$@"; }
# Keys (Return, Escape) and texts one right after the other, with no pause between them.
type_ahead() {
    local word
    for word in "$@"; do
        case $word in
        Return | Escape) xdotool key --delay 0 "$word" ;;
        *) xdotool type --delay 0 "$word" ;;
        esac
    done
}

# Waits up to ten seconds for the program ($program_pid) to end by itself, and fails unless it ends with status 0.
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
ends_with_success() {
    within 10 program_ended || fail "Escape did not end the program"
    wait "$program_pid" || fail "the program ended with status $?"
}
# Fails when the program has ended already, saying with what status and when: "by itself", say.
fail_if_ended() {
    local status=0
    program_ended || return 0
    wait "$program_pid" || status=$?
    fail "the program ended with status $status $1"
}

# From the build beside the program's folder (build/PRESET for build/PRESET/app/testola): the window's size and
# the points in it, in pixels at 96 dots per inch, as layout.sh has them from the layout table, and the right
# answers of the first exam, from the engine the program was built with.
read_build_facts() {
    # shellcheck source=/dev/null
    source "$(dirname "$1")/../layout.sh"
    mapfile -t answers < <("$(dirname "$1")/../tests/testola_first_exam_answers")
    [ "${#answers[@]}" -eq 8 ] || fail "the first exam's answers were not printed"
}
# A length of the layout at the scale the desktop's font gave the window, rounded.
scaled() { echo $((($1 * HEIGHT + window_height / 2) / window_height)); }
# The band between the rows of buttons that holds the matrix, one pixel in from each, as ImageMagick crops it.
matrix_band() {
    local top=$(($(scaled "$matrix_band_top") + 1)) bottom=$(($(scaled "$matrix_band_bottom") - 1))
    echo "${WIDTH}x$((bottom - top))+$X+$((Y + top))"
}

# The screen saved to a file. The Wayland check saves it with grim instead, and types its keys with wtype.
shoot() { import -window root "$1"; }
# The numbers a picture shows in a box of it: a line of text for each line of numbers, one blank between them.
# Tesseract reads the digits but not the narrow blanks, so they are found from where it saw each digit: a gap
# wider than half a digit between two digits of a line.
numbers_in() {
    convert "$1" -crop "$2" +repage -colorspace Gray -resize 400% "$1.crop.png"
    # Each line of a box file: the digit, then its left, bottom, right and top edges, counted from the bottom.
    tesseract "$1.crop.png" - --psm 6 -c tessedit_char_whitelist=0123456789 makebox 2>/dev/null |
        sort -k5,5nr | awk '
            { height = $5 - $3; if (NR == 1 || top - $5 > height / 2) { row++; top = $5 } print row, $2, $4, $1 }' |
        sort -k1,1n -k2,2n | awk '
            $1 != row { if (line != "") print line; row = $1; line = $4; right = $3; next }
            { line = line ($2 - right > ($3 - $2) / 2 ? " " : "") $4; right = $3 }
            END { if (line != "") print line }'
}
# Sets rows to the first three lines of numbers in a box of the screen, and whether there are three, other than
# the text given (the example shown before).
rows_read() {
    shoot "$scratch/shots/$1.png"
    rows=$(numbers_in "$scratch/shots/$1.png" "$2" | head -n 3) || true
    [ "$(grep -c . <<<"$rows")" -eq 3 ] && [ "$rows" != "${3:-}" ]
}
# Sets example to the next example the window shows, a matrix of three rows in the matrix band, once the window
# shows it within ten seconds (the program may still be drawing, or still taking the key), or the check fails.
example=''
example_on_window() {
    within 10 rows_read "example$1" "$(matrix_band)" "$example" || fail "the window shows no new matrix: $rows"
    example=$rows
    echo "example $1 on the window: $(tr '\n' '/' <<<"$example")"
}

# Example NUMBER answered ANSWER at a typist's pace: Return for it and on the answer button, the answer once the
# box shows, and Return; the box must then go.
answer_in_box() {
    key Return Return
    window_named 'Ввод ответа' >/dev/null || fail "no answer box opened for example $1"
    xdotool type --delay 50 "$2"
    key Return
    within 10 no_window_named 'Ввод ответа' || fail "the answer box of example $1 did not close"
}
# Example NUMBER taken as a quick typist takes it: Return for it and, once it shows, Return on the answer button,
# the right answer and Return, typed ahead of the answer box.
answer_ahead() {
    key Return
    example_on_window "$1"
    echo "typing ahead: Return ${answers[$1 - 1]} Return"
    type_ahead Return "${answers[$1 - 1]}" Return
}

# The compositors and what runs on them run as an unprivileged user, nobody when this runs as root: every
# command given to run or run_in_session, in a clean environment with the user's home and runtime folder, which
# also names sway once it runs. user_folders makes the two folders, owned by the user with whatever else is named.
as_user=() wayland_display='' sway_socket=''
user_folders() {
    chmod 755 "$scratch"
    mkdir -m 700 "$scratch/runtime" "$scratch/home"
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$scratch/runtime" "$scratch/home" "$@"
        as_user=(runuser -u nobody --)
    fi
}
as_the_user() {
    command=("${as_user[@]}" env -i HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" PATH=/usr/bin:/bin
        ${sway_socket:+"WAYLAND_DISPLAY=$wayland_display" "SWAYSOCK=$sway_socket"} "$@")
}
run() { as_the_user "$@" && "${command[@]}"; }
run_in_session() { as_the_user "$@" && start_in_session "${command[@]}"; }
sway_ready() {
    wayland_display=$(cd "$scratch/runtime" && ls wayland-? 2>/dev/null | head -n 1) || true
    sway_socket=$(ls "$scratch"/runtime/sway-ipc.*.sock 2>/dev/null | head -n 1) || true
    [ -n "$wayland_display" ] && [ -n "$sway_socket" ]
}
# A headless sway of its own, with no seat and no GPU: it draws into memory and takes its only keyboard from
# wtype.
start_sway() {
    user_folders "$scratch/shots"
    printf 'output HEADLESS-1 resolution 800x600\ndefault_floating_border none\n' >"$scratch/sway.conf"
    run_in_session env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$scratch/sway.conf" >"$scratch/sway.log" 2>&1
    within 10 sway_ready || fail "sway did not start"
}
