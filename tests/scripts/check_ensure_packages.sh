#!/usr/bin/env bash
# scripts/ensure-packages.sh against an archive that is partly broken, and scripts/ensure-wine32.sh on machines
# that do and do not run 32-bit programs, with no network: stand-ins for apt-get, dpkg, dpkg-query, sudo and
# Wine's 32-bit loader, told whether the update and the install succeed and whether the loader starts. Each row
# gives what the command must print and the status it must end with.
# Usage: check_ensure_packages.sh ENSURE_PACKAGES_SH ENSURE_WINE32_SH
set -euo pipefail
ensure=$1 ensure_wine32=$2
# A command that runs this test may have updated already; each row here is a command of its own.
unset TESTOLA_APT_UPDATE_MARK
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# dpkg-query knows the packages listed in $work/installed: one package's status, or every package's name or
# architecture (the name's suffix, else amd64) with its status.
cat >"$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
case ${!#} in
*Architecture*) grep . "$STUB_DIR/installed" | sed -E 's/^[^:]*(:(.*))?$/installed \2/; s/ $/ amd64/' ;;
-f=*) sed 's/$/ installed/' "$STUB_DIR/installed" ;;
*) grep -qx "${!#}" "$STUB_DIR/installed" 2>/dev/null && printf 'install ok installed' ;;
esac
STUB
# dpkg keeps the foreign architectures in $work/architectures.
cat >"$work/bin/dpkg" <<'STUB'
#!/usr/bin/env bash
case $1 in
--print-foreign-architectures) cat "$STUB_DIR/architectures" ;;
--add-architecture) echo "$2" >>"$STUB_DIR/architectures" ;;
--remove-architecture) sed -i "/^$2\$/d" "$STUB_DIR/architectures" ;;
esac
STUB
# apt-get records each call; the update and the install each succeed or fail as STUB_UPDATE and STUB_INSTALL say,
# in apt's words for a mirror being synced and for a dependency it cannot meet. wine32 comes with libraries, the
# i386 copy of an essential one among them, and the 32-bit loader, which starts or not as STUB_LOADER says;
# purge takes packages away again, as apt does.
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "$1" >>"$STUB_DIR/calls"
if [ "$1" = purge ]; then
    if [[ " $* " = *" libc6:i386 "* && " $* " != *" --allow-remove-essential "* ]]; then
        echo "E: Essential packages were removed and -y was used without --allow-remove-essential."
        exit 100
    fi
    for package in "$@"; do sed -i "/^$package\$/d" "$STUB_DIR/installed"; done
    rm -f "$STUB_DIR/wine32-loader"
    exit 0
fi
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
        [ "$1" != wine32:i386 ] || { printf 'libwine:i386\nlibc6:i386\n' >>"$STUB_DIR/installed" && "$STUB_DIR/make-loader"; }
        shift
    done ;;
esac
exit 0
STUB
# Wine's 32-bit loader as STUB_LOADER makes it: one that runs, or one that a kernel without 32-bit support
# refuses, as bash says it does.
cat >"$work/make-loader" <<'STUB'
#!/usr/bin/env bash
case $STUB_LOADER in
runs) printf '#!/bin/sh\necho wine-8.0\n' ;;
refused) printf '#!/bin/sh\necho "bash: $0: cannot execute binary file: Exec format error" >&2\nexit 126\n' ;;
esac >"$STUB_DIR/wine32-loader"
chmod +x "$STUB_DIR/wine32-loader"
STUB
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin"/* "$work/make-loader"

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

# Runs scripts/ensure-wine32.sh on a machine with these foreign ARCHITECTURES and INSTALLED packages, where
# wine32 installs or not as INSTALL says and its loader starts as LOADER says. Checks the status, the last line
# (the reason, when 32-bit programs cannot run), and what is left: "PACKAGES | ARCHITECTURES".
wine32_row() {
    local name=$1 architectures=$2 installed=$3 install=$4 loader=$5 status=$6 last=$7 left=$8 output actual=0
    rm -f "$work/calls" "$work/mark".* "$work/wine32-loader"
    tr ' ' '\n' <<<"$installed" >"$work/installed"
    tr ' ' '\n' <<<"$architectures" | grep . >"$work/architectures" || true
    [[ " $installed " != *" wine32:i386 "* ]] || STUB_DIR=$work STUB_LOADER=$loader "$work/make-loader"
    output=$(PATH="$work/bin:$PATH" STUB_DIR=$work STUB_UPDATE=ok STUB_INSTALL=$install STUB_LOADER=$loader \
        TESTOLA_WINE32_LOADER="$work/wine32-loader" TESTOLA_APT_UPDATE_MARK="$work/mark.$$" "$ensure_wine32" 2>&1) ||
        actual=$?
    local found
    found="$(grep . "$work/installed" | paste -sd' ') | $(paste -sd' ' "$work/architectures")"
    if [ "$actual" -ne "$status" ] || ! tail -n 1 <<<"$output" | grep -qE "$last" || [ "$found" != "$left" ]; then
        printf 'FAILED: %s: status %s (wanted %s), left "%s" (wanted "%s"), output:\n%s\n' \
            "$name" "$actual" "$status" "$found" "$left" "$output" >&2
        failures=$((failures + 1))
    fi
}
refused='^this machine does not run 32-bit programs \(Exec format error\)$'

#          name                              arch   installed       install loader  status last / left
wine32_row "wine32 installs and runs"        ""     "a"             ok      runs    0 \
    '^Installing missing packages: wine32:i386$' "a wine32:i386 libwine:i386 libc6:i386 | i386"
wine32_row "installs, the kernel refuses it" ""     "a"             ok      refused 3 "$refused" "a | "
wine32_row "not installable"                 ""     "a"             fail    runs    3 \
    '^wine32:i386 could not be installed: could not install wine32:i386\. apt said: E: Unable to correct' "a | "
wine32_row "an i386 found there is kept"     "i386" "a"             ok      refused 3 "$refused" "a | i386"
wine32_row "a wine32 found there is kept"    "i386" "a wine32:i386" ok      refused 3 "$refused" \
    "a wine32:i386 | i386"

[ "$failures" -eq 0 ] && echo "ensure-packages.sh and ensure-wine32.sh: all rows pass"
exit "$failures"
