#!/usr/bin/env bash
# Runs one command (ctest, say) with a Wine prefix of its own in the build folder and one Wine server kept up for
# the whole command: started cold, every Windows program waits seconds for its server. The server inherits the
# output of the first program that starts it, so it is started here, detached, before the command. Windows need
# an X display: without DISPLAY, a virtual screen (Xvfb) with a window manager (openbox) is started for the
# command. Every wine beneath it is scripts/wine-loader/wine, which starts 64-bit programs, the prefix and the
# server with Wine's 64-bit loader, so that they never depend on Wine's 32-bit half.
# Usage: scripts/with-wine.sh COMMAND...
set -euo pipefail
cd "$(dirname "$0")/.."

export PATH="$PWD/scripts/wine-loader:$PATH"
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the program needs neither, and Wine would offer to download them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

source scripts/end-to-end-common.sh
before_end() { wineserver -k 2>/dev/null || true; }
[ -n "${DISPLAY:-}" ] || start_x openbox

# One of Wine's own steps; when it fails, the command stops with a line naming the step and Wine's last words.
# Their output goes to a file, not a pipe: a server started by the step keeps what it inherits open.
wine_step() {
    local step=$1 status=0 said=$scratch/wine-step.out
    shift
    "$@" </dev/null >"$said" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "$step: '$*' ended with status $status: $(grep . "$said" | tail -n 1 || echo "no word")"
}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wine_step "Making the Wine prefix" wineboot -i
    # The registry reaches the disk only when the server stops.
    wine_step "Writing the Wine prefix" wineserver -w
fi
wine_step "Starting the Wine server" wineserver -p
# With the server kept up but no program run yet, the first test hangs; one trivial program clears that.
wine_step "Starting the first program under Wine" wine cmd.exe /c exit
"$@"
