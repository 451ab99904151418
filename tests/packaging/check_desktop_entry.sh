#!/usr/bin/env bash
# Validates the installed desktop entry and checks the keys the menu shows and launches by.
# Usage: check_desktop_entry.sh PREFIX APP_ID NAME
set -euo pipefail
prefix=$1 app_id=$2 name=$3
entry=$prefix/share/applications/$app_id.desktop
[ -f "$entry" ] || { echo "missing $entry" >&2; exit 1; }

# desktop-file-validate exits 0 on warnings and hints, so any output at all counts as a failure.
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report" >&2; exit 1; }
[ -z "$report" ] || { echo "desktop-file-validate: $report" >&2; exit 1; }

status=0
expect() {
    if ! grep -qxF "$1" "$entry"; then
        echo "$entry lacks the line: $1" >&2
        status=1
    fi
}
expect "Type=Application"
expect "Name=$name"
expect "Exec=testola"
expect "Icon=$app_id"
expect "Categories=Education;"
expect "Terminal=false"
# The program speaks Russian, so its menu comment does too: Cyrillic letters are these two bytes in UTF-8.
cyrillic=$'[\xd0-\xd3][\x80-\xbf]'
expect_key() { LC_ALL=C grep -qE "^$1=$2" "$entry" || { echo "$entry has no $1 line matching $2" >&2; status=1; }; }
expect_key Comment ".*$cyrillic"
# A generic name and search keywords (a list ending in ';'), in English and in Russian.
expect_key GenericName '[A-Za-z ]+$'
expect_key 'GenericName\[ru\]' "($cyrillic| )+\$"
expect_key Keywords '([a-z]+;)+$'
expect_key 'Keywords\[ru\]' "(($cyrillic)+;)+\$"
exit $status
