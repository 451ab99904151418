#!/usr/bin/env bash
# Gives Wine its 32-bit half where this machine can run it: installs wine32 from the i386 architecture (adding
# the architecture first when needed), then asks the machine by starting Wine's 32-bit loader. Whether a 32-bit
# program runs is a fact of the kernel, its container and the CPU, not of the archive: apt can install wine32 on
# a machine whose kernel then refuses to start it.
#
# Ends with status 0 when 32-bit programs run. When they cannot (wine32 not installable, or installed but not
# starting), it leaves the machine as it found it, taking away the packages and the architecture it added, prints
# the reason as its last line and ends with status 3. Any other status is a failure of its own.
# With --check it installs and removes nothing: it only starts the loader.
# Usage: scripts/ensure-wine32.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/architectures.sh

loader=${TESTOLA_WINE32_LOADER:-/usr/lib/wine/wine}
cannot() {
    echo "$*"
    exit 3
}

# Starts the 32-bit loader with a deadline, through bash's own exec, so that a kernel without 32-bit support is
# named as bash names it ("Exec format error") rather than the file being read as a shell script, as execvp does.
loader_starts() {
    local status=0 said
    [ -e "$loader" ] || { loader_failure="there is no 32-bit Wine loader ($loader)" && return 1; }
    said=$(timeout 20 bash -c 'exec "$0" --version' "$loader" 2>&1) || status=$?
    [ "$status" -ne 0 ] || return 0
    case $status:$said in
    *"Exec format error"*) loader_failure="this machine does not run 32-bit programs (Exec format error)" ;;
    124:*) loader_failure="Wine's 32-bit loader gave no answer in 20 seconds" ;;
    *) loader_failure="Wine's 32-bit loader did not start (status $status: $(grep . <<<"$said" | tail -n 1))" ;;
    esac
    return 1
}

if [ "${1:-}" = --check ]; then
    loader_starts || cannot "$loader_failure"
    exit 0
fi
if ! command -v dpkg >/dev/null 2>&1; then
    loader_starts || cannot "$loader_failure; not a Debian system, so wine32 was not installed"
    exit 0
fi

installed() { dpkg-query -W -f='${binary:Package} ${db:Status-Status}\n' 2>/dev/null | sed -n 's/ installed$//p'; }
before=$(mktemp)
trap 'rm -f "$before"' EXIT
installed >"$before"

# Whatever this command added goes again: the packages installed since it started, then the architecture, when
# it added it and nothing of it is left.
added_i386=
take_back() {
    local added
    added=$(installed | grep -vxFf "$before" | paste -sd' ') || true
    if [ -n "$added" ]; then
        echo "Removing what was installed for nothing: $added" >&2
        # The i386 copies of the essential packages (libc6, zlib1g) came with wine32 too; nothing else needs them.
        # shellcheck disable=SC2086
        said=$(as_root apt-get purge -o DPkg::Lock::Timeout=600 --allow-remove-essential -y -q $added 2>&1) || {
            echo "FAILED: could not remove $added again: $(grep '^E: ' <<<"$said" | paste -sd' ')" >&2
            exit 1
        }
    fi
    [ -z "$added_i386" ] || remove_architecture_if_unused i386
}

# wine32 implies the i386 architecture, so the architecture is added only where wine32 is still to be installed.
if ! installed | grep -qx "$wine32_package" && add_architecture i386; then
    added_i386=yes
fi
# What apt says is shown; when it fails, its FAILED line, or all it said, is the reason. (Not through
# `tee /dev/stderr`: that opens the log anew and empties it when the output goes to a file, as in CI.)
apt_status=0
apt_output=$(scripts/ensure-packages.sh "$wine32_package" 2>&1) || apt_status=$?
[ -z "$apt_output" ] || echo "$apt_output" >&2
if [ "$apt_status" -ne 0 ]; then
    take_back
    cannot "$wine32_package could not be installed: $(sed -n 's/^FAILED: //p' <<<"$apt_output" | grep . ||
        echo "$apt_output")"
fi
if ! loader_starts; then
    take_back
    cannot "$loader_failure"
fi
