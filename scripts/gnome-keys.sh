#!/usr/bin/env bash
# The program as a native Wayland client on GNOME's own compositor (mutter, headless) with Qt's GNOME theme,
# driven by keys typed through mutter's remote-desktop interface. Each run starts the program and takes a whole
# exam as a quick typist does: as soon as a box has the keyboard, its answer, Return and the next example's
# Returns in one burst. Four answers are right and four wrong, so the verdict is a pass (8 points, the least
# there is) only if every right answer counted, and it comes only if no Return was lost; Escape, Escape then
# ends the program with status 0. Every process started is ended at the end, and that is checked.
# Runs as an unprivileged user: nobody, when started as root.
# Usage: scripts/gnome-keys.sh PROGRAM FIRST_EXAM_ANSWERS [RUNS]   (RUNS: 20 unless given)
set -euo pipefail
program=$1 answers_program=$2 runs=${3:-20}
source "$(dirname "$0")/end-to-end-common.sh"

program_pid=

mapfile -t answers < <("$answers_program")
[ "${#answers[@]}" -eq 8 ] || fail "$answers_program gave ${#answers[@]} answers, not 8"

# One D-Bus client for all the runs: mutter ends a remote-desktop session when its caller goes. It reads one
# burst a line (key names or texts) from the pipe named, sends each key's press and release, and says when it
# has sent them.
typist='
import sys
import time
import dbus

name = "org.gnome.Mutter.RemoteDesktop"
bus = dbus.SessionBus()
# Mutter takes its name on the bus a while after it opens its Wayland socket.
while not bus.name_has_owner(name):
    time.sleep(0.1)
desktop = dbus.Interface(bus.get_object(name, "/org/gnome/Mutter/RemoteDesktop"), name)
session = dbus.Interface(bus.get_object(name, desktop.CreateSession()), name + ".Session")
session.Start()
keys = {"Return": 0xFF0D, "Escape": 0xFF1B, "Shift": 0xFFE1}
for line in open(sys.argv[1]):
    for word in line.split():
        for symbol in [keys[word]] if word in keys else map(ord, word):
            session.NotifyKeyboardKeysym(symbol, True)
            session.NotifyKeyboardKeysym(symbol, False)
    print("sent", line.strip(), flush=True)
session.Stop()
'

# The user's own copy of the program, its home, its runtime folder and the typist's pipe.
install -m 755 "$program" "$scratch/testola"
mkfifo "$scratch/keys"
user_folders "$scratch/keys"
# No key repeats: under load the typist's release can come half a second after its press, and the key, held that
# long, repeats as it should. Mutter reads this from GLib's key-file settings.
settings=$scratch/home/.config/glib-2.0/settings
run mkdir -p "$settings"
printf '[org/gnome/desktop/peripherals/keyboard]\nrepeat=false\n' | run tee "$settings/keyfile" >/dev/null
# A command run as the user with the session bus, in a session of its own.
start_as_user() { run_in_session DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/runtime/bus" "$@"; }

start_as_user dbus-daemon --session --nofork --address="unix:path=$scratch/runtime/bus" >"$scratch/dbus.log" 2>&1
within 10 test -e "$scratch/runtime/bus" || fail "the session bus did not start"
start_as_user pipewire >"$scratch/pipewire.log" 2>&1
start_as_user wireplumber >"$scratch/wireplumber.log" 2>&1
start_as_user GSETTINGS_BACKEND=keyfile mutter --wayland --headless --no-x11 --virtual-monitor 1024x768 \
    >"$scratch/mutter.log" 2>&1
within 10 test -e "$scratch/runtime/wayland-0" || fail "mutter did not start"
# Opened for reading and writing, the pipe does not wait for the typist; closed, it ends the typist.
exec 4<>"$scratch/keys"
start_as_user python3 -c "$typist" "$scratch/keys" >"$scratch/typist.log" 2>&1
# The first key only makes mutter announce its keyboard, and is lost.
echo Shift >&4
within 10 grep -qxF "sent Shift" "$scratch/typist.log" || fail "the typist did not start: $(cat "$scratch/typist.log")"

# The title of each window that got the keyboard, a line each, from the program's Wayland trace: a surface's
# title is set on its toplevel, and both of the program's keyboards hear each enter (one serial).
focus_history() {
    awk '
        # The objects a request or event names, in order, as id[1], id[2]...
        function ids(line) {
            n = 0
            while (match(line, /@[0-9]+/)) {
                id[++n] = substr(line, RSTART + 1, RLENGTH - 1)
                line = substr(line, RSTART + RLENGTH)
            }
        }
        /\.get_xdg_surface\(/ { ids($0); surface_of[id[2]] = id[3] }
        /\.get_toplevel\(/ { ids($0); toplevel[id[2]] = surface_of[id[1]] }
        /\.set_title\(/ {
            ids($0); text = $0; sub(/.*set_title\("/, "", text); sub(/"\)$/, "", text)
            title[toplevel[id[1]]] = text
        }
        /wl_keyboard@[0-9]+\.enter\(/ {
            ids($0); text = $0; sub(/.*enter\(/, "", text); sub(/,.*/, "", text)
            if (text != serial) { serial = text; print title[id[2]] }
        }' "$scratch/program.log"
}
# Whether the window with this title has the keyboard for the COUNTth time; waits up to ten seconds for that.
has_focus() {
    local history
    history=$(focus_history)
    [ "$(tail -n 1 <<<"$history")" = "$1" ] && [ "$(grep -cxF "$1" <<<"$history")" -eq "$2" ]
}
wait_for_focus() {
    within 10 has_focus "$1" "${2:-1}" && return
    fail_if_ended "before \"$1\" got the keyboard for the time number ${2:-1}"
    fail "\"$1\" did not get the keyboard for the time number ${2:-1}; it went to: $(focus_history | paste -sd '|')"
}

for run in $(seq "$runs"); do
    started=$(date +%s%N)
    start_as_user WAYLAND_DISPLAY=wayland-0 XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
        "$scratch/testola" >"$scratch/program.log" 2>&1
    program_pid=${sessions[-1]}
    wait_for_focus Testola
    echo Return Return >&4 # the first example and its answer box
    for number in 1 2 3 4 5 6 7 8; do
        wait_for_focus "Ввод ответа" "$number"
        answer=${answers[number - 1]}
        # Odd examples wrong: no midpoint is one more than the midpoint.
        [ $((number % 2)) -eq 1 ] && answer=$(awk -v right="$answer" 'BEGIN { printf "%g", right + 1 }')
        # Then the next example and its answer box, or after the eighth the verdict.
        if [ "$number" -lt 8 ]; then
            echo "$answer" Return Return Return >&4
        else
            echo "$answer" Return Return >&4
        fi
    done
    wait_for_focus "Тестирование успешно пройдено"
    echo Escape Escape >&4
    ends_with_success
    echo "run $run of $runs: the verdict was a pass and the program ended with status 0" \
        "($((($(date +%s%N) - started) / 1000000)) ms)"
done
echo "All $runs runs under mutter with Qt's GNOME theme took the exam with every key typed ahead of the boxes."
