#!/usr/bin/env bash
# Installs the named Debian packages that are missing; installs nothing when all are present. Off Debian (no
# dpkg-query or apt-get) it installs nothing either: it names the packages whose tools it wants and carries on.
# Usage: scripts/ensure-packages.sh PACKAGE...
set -euo pipefail

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "Not a Debian system (no dpkg-query or apt-get), so nothing is installed. This command wants what these" \
        "Debian packages hold, installed the local way: $*" >&2
    exit 0
fi

missing=()
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt_get=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
    apt_get=(sudo apt-get)
else
    echo "These Debian packages are needed but missing: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}) and run this command again." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
