#!/usr/bin/env bash
# Checks that the icon theme holds the program's icon at every size, each a PNG of exactly that many pixels.
# Usage: check_icons.sh SHARE_DIR APP_ID
set -euo pipefail
share=$1 app_id=$2

bytes() { od -An -v -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
big_endian() {
    local value=0 byte
    for byte in $1; do value=$((value * 256 + byte)); done
    echo "$value"
}

status=0
for size in 16 32 64 128; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ ! -f "$icon" ]; then
        echo "missing $icon" >&2
        status=1
        continue
    fi
    # A PNG starts with its signature and then the IHDR chunk: width and height, four big-endian bytes each.
    if [ "$(bytes "$icon" 0 8)" != "137 80 78 71 13 10 26 10" ] || [ "$(bytes "$icon" 12 4)" != "73 72 68 82" ]; then
        echo "$icon is not a PNG" >&2
        status=1
        continue
    fi
    width=$(big_endian "$(bytes "$icon" 16 4)")
    height=$(big_endian "$(bytes "$icon" 20 4)")
    if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
        echo "$icon is ${width}x${height}, not ${size}x${size}" >&2
        status=1
    fi
done
exit $status
