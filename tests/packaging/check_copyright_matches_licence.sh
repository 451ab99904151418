#!/usr/bin/env bash
# Checks that debian/copyright says what LICENSE says: the same holder and, unindented, the same licence text.
# LICENSE is the licence as people read it; debian/copyright repeats it in Debian's machine-readable form, which
# indents the text by a space and marks an empty line with a period.
# Usage: check_copyright_matches_licence.sh SOURCE_DIR
set -euo pipefail
licence=$1/LICENSE copyright=$1/debian/copyright

status=0
holder=$(sed -n 's/^Copyright (c) //p' "$licence")
[ -n "$holder" ] || { echo "LICENSE has no \"Copyright (c) ...\" line" >&2; exit 1; }
grep -qxF "Copyright: $holder" "$copyright" || { echo "debian/copyright lacks the line: Copyright: $holder" >&2; status=1; }
# In LICENSE the text follows the holder's line and an empty line; in debian/copyright the licence's paragraph.
if ! diff -u --label LICENSE --label debian/copyright <(sed '1,/^Copyright (c) /d' "$licence" | sed '1{/^$/d}') \
    <(sed -n '/^License: Expat$/,/^$/{/^License:/d; /^$/d; s/^ //; s/^\.$//; p}' "$copyright"); then
    echo "the licence text in debian/copyright differs from LICENSE's" >&2
    status=1
fi
exit $status
