#!/usr/bin/env bash
# Checks that the icon theme holds the program's icon at every size, each a PNG of exactly that many pixels.
# Usage: check_icons.sh SHARE_DIR APP_ID
set -euo pipefail
share=$1 app_id=$2

status=0
for size in 16 32 64 128; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ ! -f "$icon" ]; then
        echo "missing $icon" >&2
        status=1
        continue
    fi
    # A PNG starts with its signature and then the IHDR chunk: width and height, four big-endian bytes each.
    if [ "$(od -An -tx1 -N16 "$icon" | tr -d ' \n')" != 89504e470d0a1a0a0000000d49484452 ]; then
        echo "$icon is not a PNG" >&2
        status=1
        continue
    fi
    read -r width height < <(od -An -j16 -N8 --endian=big -tu4 "$icon")
    if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
        echo "$icon is ${width}x${height}, not ${size}x${size}" >&2
        status=1
    fi
done
exit $status
