#!/usr/bin/env bash
# Installs the named Debian packages that are missing; installs nothing when all are present. Off Debian (no
# dpkg-query or apt-get) it installs nothing either: it names the packages whose tools it wants and carries on.
#
# An archive that is briefly or partly inconsistent (a mirror being synced, one index that fails to download) is
# no reason to stop: a failed `apt-get update` is reported in one line and the install goes on with the package
# lists apt has. Only a failed install stops the command, naming the packages still missing and apt's reason.
# `apt-get update` runs at most once per command: the scripts that source scripts/packages.sh share one mark.
# Usage: scripts/ensure-packages.sh PACKAGE...
set -euo pipefail

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "Not a Debian system (no dpkg-query or apt-get), so nothing is installed. This command wants what these" \
        "Debian packages hold, installed the local way: $*" >&2
    exit 0
fi

missing_of() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || echo "$package"
    done
}
mapfile -t missing < <(missing_of "$@")
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
apt_get=(apt-get)
if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are needed but missing: ${missing[*]}. Install them as root" \
        "(apt-get install ${missing[*]}) and run this command again." >&2
    exit 1
fi
[ "$(id -u)" -eq 0 ] || apt_get=(sudo apt-get)
export DEBIAN_FRONTEND=noninteractive
# Another apt at work (unattended upgrades, a second command) holds dpkg's lock: wait for it rather than fail.
wait_for_lock=(-o DPkg::Lock::Timeout=600)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# apt's own words for what went wrong: its errors, and the first dependency it could not meet.
apt_reason() {
    { grep -E '^E: ' "$log" || true; grep -m 1 -E ' Depends: ' "$log" || true; } | sed 's/^ *//' | paste -sd' '
}

update_mark=${TESTOLA_APT_UPDATE_MARK:-}
if [ -z "$update_mark" ] || [ ! -e "$update_mark" ]; then
    "${apt_get[@]}" update "${wait_for_lock[@]}" -q >"$log" 2>&1 ||
        echo "apt-get update failed ($(apt_reason)); going on with the package lists apt has." >&2
    if [ -n "$update_mark" ]; then
        # The marks of commands that have ended, named by their process, go with this one's making.
        for mark in "${update_mark%.*}".*; do kill -0 "${mark##*.}" 2>/dev/null || rm -f "$mark"; done
        touch "$update_mark"
    fi
fi

if ! "${apt_get[@]}" install "${wait_for_lock[@]}" -y -q --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
    mapfile -t still_missing < <(missing_of "${missing[@]}")
    echo "FAILED: could not install ${still_missing[*]:-${missing[*]}}. apt said: $(apt_reason)" >&2
    exit 1
fi
