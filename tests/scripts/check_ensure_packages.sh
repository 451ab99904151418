#!/usr/bin/env bash
# scripts/ensure-packages.sh against an archive that is partly broken, with no network: stand-ins for apt-get,
# dpkg-query and sudo on PATH, told whether the update and the install succeed. Each row gives what the command
# must print and the status it must end with.
# Usage: check_ensure_packages.sh ENSURE_PACKAGES_SH
set -euo pipefail
ensure=$1
# A command that runs this test may have updated already; each row here is a command of its own.
unset TESTOLA_APT_UPDATE_MARK
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# dpkg-query knows the packages listed in $work/installed.
cat >"$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
grep -qx "${!#}" "$STUB_DIR/installed" 2>/dev/null && printf 'install ok installed'
STUB
# apt-get records each call; the update and the install each succeed or fail as STUB_UPDATE and STUB_INSTALL say,
# in apt's words for a mirror being synced and for a dependency it cannot meet.
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "$1" >>"$STUB_DIR/calls"
case $1:${STUB_UPDATE}:${STUB_INSTALL} in
update:fail:*)
    echo "E: Failed to fetch http://mirror/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
install:*:fail)
    echo " wine32:i386 : Depends: libwine:i386 (= 8.0) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100 ;;
install:*:ok)
    shift
    while [ $# -gt 0 ]; do
        case $1 in -o) shift ;; -*) ;; *) echo "$1" >>"$STUB_DIR/installed" ;; esac
        shift
    done ;;
esac
exit 0
STUB
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin"/*

failures=0
# Runs the command with PACKAGES; INSTALLED are there already. Checks its status, its output against a pattern
# (grep -E, across the whole output), and how many updates apt was asked for.
row() {
    local name=$1 update=$2 install=$3 installed=$4 packages=$5 status=$6 pattern=$7 updates=$8 output actual=0
    rm -f "$work/calls" "$work/installed" "$work/mark".*
    tr ' ' '\n' <<<"$installed" >"$work/installed"
    # shellcheck disable=SC2086
    output=$(PATH="$work/bin:$PATH" STUB_DIR=$work STUB_UPDATE=$update STUB_INSTALL=$install \
        TESTOLA_APT_UPDATE_MARK="$work/mark.$$" "$ensure" $packages 2>&1) || actual=$?
    [ "$packages" = twice ] && output=$output$'\n'$(PATH="$work/bin:$PATH" STUB_DIR=$work STUB_UPDATE=$update \
        STUB_INSTALL=$install TESTOLA_APT_UPDATE_MARK="$work/mark.$$" "$ensure" again 2>&1)
    local asked
    asked=$(grep -cx update "$work/calls" 2>/dev/null || true)
    if [ "$actual" -ne "$status" ] || ! grep -qE "$pattern" <<<"$output" || [ "${asked:-0}" -ne "$updates" ]; then
        printf 'FAILED: %s: status %s (wanted %s), %s updates (wanted %s), output:\n%s\n' \
            "$name" "$actual" "$status" "${asked:-0}" "$updates" "$output" >&2
        failures=$((failures + 1))
    fi
}

#   name                            update install installed packages status  output                      updates
row "nothing missing, no apt"       ok     ok      "a b"     "a b"    0       '^$'                          0
row "missing ones installed"        ok     ok      "a"       "a b c"  0       '^Installing missing packages: b c$' 1
row "a broken index is one line"    fail   ok      ""        "a"      0 \
    '^apt-get update failed \(E: Failed to fetch .*unexpected size.* E: Some index files failed to download.*\); going on with the package lists apt has\.$' 1
row "only the install failing stops" fail  fail    "a"       "a b"    1 \
    'FAILED: could not install b\. apt said: E: Unable to correct problems.* wine32:i386 : Depends: libwine' 1
row "one update for the command"    ok     ok      ""        twice    0       'again'                       1

# The broken index is reported in exactly one line, and the install's own output stays out of sight.
rm -f "$work"/mark.*
output=$(PATH="$work/bin:$PATH" STUB_DIR=$work STUB_UPDATE=fail STUB_INSTALL=ok \
    TESTOLA_APT_UPDATE_MARK="$work/mark.$$" "$ensure" z 2>&1)
if [ "$(grep -c . <<<"$output")" -ne 2 ]; then
    printf 'FAILED: a broken index took more than one line:\n%s\n' "$output" >&2
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "ensure-packages.sh: all rows pass"
exit "$failures"
