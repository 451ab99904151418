#!/usr/bin/env bash
# Validates the installed AppStream metadata and checks that it names this program and release.
# Usage: check_metainfo.sh PREFIX APP_ID VERSION
set -euo pipefail
prefix=$1 app_id=$2 version=$3
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || { echo "missing $metainfo" >&2; exit 1; }

report=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) || {
    echo "$report" >&2
    exit 1
}
echo "$report"
# Errors fail the exit code; warnings and infos do not, so they are failed here. The one pedantic note allowed
# is the upper-case letter in the id: the id is the program's reverse-DNS app id, used by the desktop entry,
# the icon and the window alike, and upper case is the common convention there.
unexpected=$(echo "$report" | grep -E '^[EWIP]: ' | grep -v ' cid-contains-uppercase-letter ' || true)
[ -z "$unexpected" ] || { echo "unexpected findings:" >&2; echo "$unexpected" >&2; exit 1; }

status=0
expect() {
    if ! grep -qF "$1" "$metainfo"; then
        echo "$metainfo lacks: $1" >&2
        status=1
    fi
}
expect "<id>$app_id</id>"
expect "<launchable type=\"desktop-id\">$app_id.desktop</launchable>"
expect "<release version=\"$version\""
expect '<content_rating type="oars-1.1"'
expect '<control>keyboard</control>'
expect '<control>pointing</control>'
expect '<display_length side="shortest" compare="ge">'
exit $status
