#!/usr/bin/env bash
# Unpacks the .deb and checks its files, its documents and its control fields.
# Usage: check_deb.sh DEB SCRATCH_DIR APP_ID VERSION
set -euo pipefail
deb=$1 scratch=$2 app_id=$3 version=$4
here=$(dirname "$0")

rm -rf "$scratch"
mkdir -p "$scratch"
dpkg-deb -x "$deb" "$scratch"

status=0
for file in usr/bin/testola "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml"; do
    [ -f "$scratch/$file" ] || { echo "the package lacks /$file" >&2; status=1; }
done
[ -x "$scratch/usr/bin/testola" ] || { echo "/usr/bin/testola is not executable" >&2; status=1; }
"$here/check_icons.sh" "$scratch/usr/share" "$app_id" || status=1
"$here/check_documents.sh" "$scratch/usr" "$version" || status=1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = testola ] || { echo "Package is '$(field Package)', not testola" >&2; status=1; }
[ "$(field Version)" = "$version" ] || { echo "Version is '$(field Version)', not $version" >&2; status=1; }
# Each entry is a package name, maybe with a version in brackets, between commas.
names() { tr ',' '\n' <<<"$1" | sed -E 's/^ *([^ ]+).*/\1/'; }
depends=$(field Depends) recommends=$(field Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
for needed in libqt6widgets6 fonts-dejavu-core qt6-translations-l10n; do
    grep -qxF "$needed" <<<"$(names "$depends")" || { echo "Depends lacks $needed" >&2; status=1; }
done
grep -qxF qt6-wayland <<<"$(names "$recommends")" || { echo "Recommends lacks qt6-wayland" >&2; status=1; }
exit $status
