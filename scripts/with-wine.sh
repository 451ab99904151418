#!/usr/bin/env bash
# Runs one command (ctest, say) with a Wine prefix of its own in the build folder and one Wine server kept up for
# the whole command: started cold, every Windows program waits seconds for its server. The server inherits the
# output of the first program that starts it, so it is started here, detached, before the command. Windows need
# an X display: without DISPLAY, a virtual screen (Xvfb) with a window manager (openbox) is started for the
# command.
# Usage: scripts/with-wine.sh COMMAND...
set -euo pipefail
cd "$(dirname "$0")/.."

export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the program needs neither, and Wine would offer to download them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

source scripts/end-to-end-common.sh
before_end() { wineserver -k 2>/dev/null || true; }
[ -n "${DISPLAY:-}" ] || start_x openbox

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # The registry reaches the disk only when the server stops.
    wineserver -w
fi
wineserver -p </dev/null >/dev/null 2>&1
# With the server kept up but no program run yet, the first test hangs; one trivial program clears that.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1
"$@"
