#!/usr/bin/env bash
# The install and package checks, one function each: the program installed into a scratch prefix, its desktop
# files and documents checked with the desktop's own validators, and the .deb that debian/ makes. Each check
# reports every fault it finds and then fails.
# Usage: checks.sh CHECK ARGUMENT...   (CHECK: one of the functions below, named as the test is)
# shellcheck disable=SC2317,SC2119 # the checks are called by name, below
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "$0")

status=0
fault() { echo "FAILED: $*" >&2; status=1; }
# Whether a file is there: a check goes no further without it.
present() { [ -f "$1" ] || { fault "missing $1"; return 1; }; }
# Whether a file holds each of these lines whole, each of these texts within a line, or a line matching each of
# these extended regular expressions.
has_lines() { local l; for l in "${@:2}"; do grep -qxF -- "$l" "$1" || fault "$1 lacks the line: $l"; done; }
has_texts() { local t; for t in "${@:2}"; do grep -qF -- "$t" "$1" || fault "$1 lacks: $t"; done; }
has_matches() { local e; for e in "${@:2}"; do grep -qE -- "$e" "$1" || fault "$1 has no line matching $e"; done; }

# Installs the build into a fresh prefix, as `cmake --install` would for a user: fresh, so that no file left from
# an earlier run can stand in for a missing one.
# Usage: stage BUILD_DIR PREFIX
stage() {
    rm -rf "$2"
    cmake --install "$1" --prefix "$2"
    [ -x "$2/bin/testola" ] || fault "bin/testola was not installed"
}

# Validates the installed desktop entry and checks the keys the menu shows and launches by.
# Usage: desktop_entry PREFIX APP_ID NAME
desktop_entry() {
    local entry=$1/share/applications/$2.desktop report
    present "$entry" || return 0
    # desktop-file-validate exits 0 on warnings and hints, so any output at all counts as a failure.
    report=$(desktop-file-validate "$entry" 2>&1) || report+=" (exit status $?)"
    [ -z "$report" ] || fault "desktop-file-validate: $report"
    has_lines "$entry" Type=Application "Name=$3" Exec=testola "Icon=$2" "Categories=Education;" Terminal=false
    # The program speaks Russian, so its menu comment does too: Cyrillic letters are these two bytes in UTF-8.
    # A generic name and search keywords (a list ending in ';') too, in English and in Russian.
    local cyrillic=$'[\xd0-\xd3][\x80-\xbf]'
    LC_ALL=C has_matches "$entry" "^Comment=.*$cyrillic" '^GenericName=[A-Za-z ]+$' \
        "^GenericName\[ru\]=($cyrillic| )+\$" '^Keywords=([a-z]+;)+$' "^Keywords\[ru\]=(($cyrillic)+;)+\$"
}

# Validates the installed AppStream metadata and checks that it names this program, its release and its home
# page, which is debian/control's Homepage.
# Usage: metainfo PREFIX APP_ID VERSION DEBIAN_CONTROL
metainfo() {
    local file=$1/share/metainfo/$2.metainfo.xml report version homepage
    present "$file" || return 0
    report=$(appstreamcli validate --no-net --pedantic --no-color "$file" 2>&1) || fault "appstreamcli: status $?"
    echo "$report"
    # Errors fail the exit code; warnings and infos do not, so they are failed here. Allowed are:
    # - the pedantic note on the upper-case letter in the id. The id is the program's reverse-DNS app id, used by
    #   the desktop entry, the icons and the window alike, upper case as is the custom in such ids; a new id would
    #   make an installed copy another program to the desktop (its favourites, the software centre's record).
    # - before AppStream 1.0 (Debian 12 has 0.16), the info that <developer> is an unknown tag: 1.0 replaced
    #   <developer_name> with it and warns about the old tag, so no file satisfies both, and the current one is
    #   kept. Software centres of 0.16 then show no developer's name.
    local allowed=(-e ' cid-contains-uppercase-letter ')
    version=$(appstreamcli --version | grep -oE '[0-9]+\.[0-9]+' | head -n 1)
    [ "${version%%.*}" -ge 1 ] || allowed+=(-e ' unknown-tag developer$')
    ! grep -E '^[EWIP]: ' <<<"$report" | grep -v "${allowed[@]}" || fault "unexpected findings above"
    homepage=$(sed -n 's/^Homepage: *//p' "$4")
    [ -n "$homepage" ] || fault "$4 has no Homepage"
    has_texts "$file" "<id>$2</id>" "<launchable type=\"desktop-id\">$2.desktop</launchable>" \
        "<release version=\"$3\"" '<content_rating type="oars-1.1"' '<control>keyboard</control>' \
        '<control>pointing</control>' '<display_length side="shortest" compare="ge">' \
        "<url type=\"homepage\">$homepage</url>" '<developer id="' '<name>Testola developers</name>'
}

# Checks that the icon theme holds the program's icon at every size, each a PNG of exactly that many pixels.
# Usage: icons SHARE_DIR APP_ID
icons() {
    local size icon width height
    for size in 16 32 64 128; do
        icon=$1/icons/hicolor/${size}x${size}/apps/$2.png
        present "$icon" || continue
        # A PNG starts with its signature and then the IHDR chunk: width and height, four big-endian bytes each.
        [ "$(od -An -tx1 -N16 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a0000000d49484452 ] ||
            { fault "$icon is not a PNG"; continue; }
        read -r width height < <(od -An -j16 -N8 --endian=big -tu4 "$icon")
        [ "${width}x$height" = "${size}x$size" ] || fault "$icon is ${width}x$height, not ${size}x$size"
    done
}

# Checks the documents installed beside the program: the machine-readable copyright file with the licence text,
# the changelog whose top entry is this version, and the manual pages, which man must render without a warning.
# The compressed ones must be exactly what gzip -9n makes: compressed the most, with no file name or time.
# Usage: documents PREFIX VERSION
documents() {
    local doc=$1/share/doc/testola version=$2 file top gz page said text word
    local pages=("$1/share/man/man1/testola.1.gz" "$1/share/man/ru/man1/testola.1.gz")
    for file in "$doc/copyright" "$doc/changelog.gz" "${pages[@]}"; do
        present "$file" || return 0
    done
    has_lines "$doc/copyright" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "Files: *" \
        "License: Expat" " Permission is hereby granted, free of charge, to any person obtaining a copy"
    top=$(zcat "$doc/changelog.gz" | head -n 1)
    [ "$top" = "testola ($version) unstable; urgency=medium" ] || fault "the changelog starts with '$top', not $version"
    for gz in "$doc/changelog.gz" "${pages[@]}"; do
        zcat "$gz" | gzip -9n | cmp -s - "$gz" || fault "$gz is not as gzip -9n makes it"
    done
    for page in "${pages[@]}"; do
        # As lintian renders a page to look for problems.
        said=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [ -z "$said" ] || fault "man warns about $page: $said"
        text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)
        for word in Enter Escape Tab 4.5 4,5 "Testola $version"; do
            grep -qF -- "$word" <<<"$text" || fault "$page does not mention $word"
        done
    done
}

# Checks that the program is hardened as Debian's build flags make it. A position-independent executable, full
# RELRO (relocations read-only and all bound at start) and the stack protector are read off the binary.
# _FORTIFY_SOURCE shows in a binary only where some buffer's size is known when compiling, so it is read off the
# build's compile commands instead: every source of the program must have it, unless FORTIFY is "no" (a Debug
# build, which goes without, since fortifying needs optimisation).
# Usage: hardening PROGRAM COMPILE_COMMANDS_JSON SOURCE_DIR yes|no
hardening() {
    local program=$1 own header segments dynamic symbols
    # Read whole before grepping: grep -q stops early, and readelf's broken pipe would then fail the pipeline.
    header=$(readelf -hW "$program") segments=$(readelf -lW "$program") dynamic=$(readelf -dW "$program")
    symbols=$(readelf --dyn-syms -W "$program")
    grep -qE 'Type: +DYN ' <<<"$header" || fault "$program is not position-independent (its ELF type is not DYN)"
    grep -qE '\(FLAGS_1\).* PIE' <<<"$dynamic" || fault "$program is not marked PIE"
    grep -q ' GNU_RELRO ' <<<"$segments" || fault "$program has no RELRO segment"
    grep -qE '\(FLAGS\).* BIND_NOW|\(FLAGS_1\).* NOW' <<<"$dynamic" || fault "$program is not bound at start (BIND_NOW)"
    grep -q ' __stack_chk_fail@' <<<"$symbols" || fault "$program has no stack protector"
    [ "$4" = yes ] || return 0
    own=$(grep -E "\"command\": .* -c $3/(app|window|engine|runtime)/" "$2") || fault "$2 compiles none of our sources"
    ! grep -v -- ' -D_FORTIFY_SOURCE=[1-9]' <<<"$own" | sed 's/.* -c //; s/",$//' | grep . ||
        fault "the sources above were compiled without _FORTIFY_SOURCE"
}

# Checks that debian/copyright says what LICENSE says: the same holder and, unindented, the same licence text.
# LICENSE is the licence as people read it; debian/copyright repeats it in Debian's machine-readable form, which
# indents the text by a space and marks an empty line with a period.
# Usage: copyright_matches_licence SOURCE_DIR
copyright_matches_licence() {
    local licence=$1/LICENSE copyright=$1/debian/copyright holder
    holder=$(sed -n 's/^Copyright (c) //p' "$licence")
    [ -n "$holder" ] || fault "LICENSE has no \"Copyright (c) ...\" line"
    has_lines "$copyright" "Copyright: $holder"
    # In LICENSE the text follows the holder's line and an empty line; in debian/copyright the licence's paragraph.
    diff -u --label LICENSE --label debian/copyright <(sed '1,/^Copyright (c) /d' "$licence" | sed '1{/^$/d}') \
        <(sed -n '/^License: Expat$/,/^$/{/^License:/d; /^$/d; s/^ //; s/^\.$//; p}' "$copyright") ||
        fault "the licence text in debian/copyright differs from LICENSE's"
}

# Configures the tree, tests included, with dpkg hidden from the PATH, as on a system that is not Debian: the
# configuring must succeed, with the install tests in place (only building the .deb, in debian/, needs dpkg).
# Usage: configure_without_dpkg SOURCE_DIR SCRATCH_DIR CMAKE CTEST CXX_COMPILER
configure_without_dpkg() {
    local scratch=$2 folders listed test
    rm -rf "$scratch"
    mkdir -p "$scratch/bin"
    # A PATH of one folder with links to every program of the real one, except dpkg and its tools. ln leaves a
    # name already linked alone (and says so, hence the silence), so the first folder on the PATH wins, as it would.
    IFS=: read -ra folders <<<"$PATH"
    find "${folders[@]}" -mindepth 1 -maxdepth 1 -exec ln -s -t "$scratch/bin" {} + 2>/dev/null || true
    rm -f "$scratch"/bin/dpkg*
    export PATH=$scratch/bin
    ! command -v dpkg >/dev/null || { fault "dpkg is still on the PATH"; return; }
    "$3" -S "$1" -B "$scratch/build" -G Ninja -DCMAKE_CXX_COMPILER="$5" -DTESTOLA_BUILD_TESTS=ON \
        >"$scratch/configure.log" 2>&1 || { cat "$scratch/configure.log" >&2; fault "configuring failed"; return; }
    listed=$(cd "$scratch/build" && "$4" -N) || { fault "$4 -N failed: $listed"; return; }
    for test in install documents hardening; do
        grep -qE "Test +#[0-9]+: packaging\.$test\$" <<<"$listed" || fault "packaging.$test is missing from: $listed"
    done
}

# Unpacks the .deb and checks its files, its documents and its control fields.
# Usage: deb DEB SCRATCH_DIR APP_ID VERSION
deb() {
    local root=$2 file
    rm -rf "$root"
    dpkg-deb -x "$1" "$root"
    for file in usr/bin/testola "usr/share/applications/$3.desktop" "usr/share/metainfo/$3.metainfo.xml"; do
        [ -f "$root/$file" ] || fault "the package lacks /$file"
    done
    [ -x "$root/usr/bin/testola" ] || fault "/usr/bin/testola is not executable"
    icons "$root/usr/share" "$3"
    documents "$root/usr" "$4"
    # The fields, and then each package that a relation names on a line of its own, its version left out.
    dpkg-deb -f "$1" Package Version Depends Recommends | tee "$root.fields"
    for field in Depends Recommends; do
        dpkg-deb -f "$1" "$field" | tr ',' '\n' | sed -E "s/^ *([^ ]+).*/$field: \1/" >>"$root.fields"
    done
    has_lines "$root.fields" "Package: testola" "Version: $4" "Depends: libqt6widgets6" "Depends: fonts-dejavu-core" \
        "Depends: qt6-translations-l10n" "Recommends: qt6-wayland"
    # The very Qt it was built with, by that Qt's ABI: qt6-base-abi on Debian 12, qt6-base-private-abi since 13.
    has_matches "$root.fields" '^Depends: qt6-base(-private)?-abi$'
}

# Unpacks the .deb and starts its program. Offscreen, where nothing is seen, it must come to wait for events (in
# poll, as the kernel names where it waits) and not end by itself; on a virtual X screen its window must map with
# its title and carry the program's icon at the sizes a desktop asks for.
# Usage: deb_runs offscreen|x11 DEB   (exits 77, skipped, for x11 when Xvfb or the X tools are missing)
deb_runs() {
    local size icons wm_class startup_class
    [ "$1" = offscreen ] || type -P Xvfb xdotool xprop >/dev/null || { echo "no Xvfb or X tools; skipped"; exit 77; }
    # shellcheck source=../../scripts/end-to-end-common.sh
    source "$here/../../scripts/end-to-end-common.sh"
    dpkg-deb -x "$2" "$scratch/root"
    if [ "$1" = offscreen ]; then
        start_in_session env QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/testola"
        program_pid=${sessions[-1]}
        within 10 grep -qs poll "/proc/$program_pid/wchan" ||
            { fail_if_ended "before it waited for events"; fail "the program never waited for events"; }
    else
        start_x
        start_program "$scratch/root/usr/bin/testola"
    fi
    fail_if_ended "by itself"
    [ "$1" = x11 ] || return 0
    icons=$(xprop -id "$window" _NET_WM_ICON | grep -oE 'Icon \([0-9]+ x [0-9]+\)') || fault "the window has no icon"
    echo "$icons"
    for size in 16 32 64; do
        grep -qxF "Icon ($size x $size)" <<<"$icons" || fault "the window has no ${size}x$size icon"
    done
    # The desktop entry names the window class, so the dock can match the running window to the menu entry.
    wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
    startup_class=$(sed -n 's/^StartupWMClass=//p' "$scratch"/root/usr/share/applications/*.desktop)
    if [ -z "$wm_class" ] || [ "$wm_class" != "$startup_class" ]; then
        fault "WM_CLASS class '$wm_class' differs from the desktop entry's StartupWMClass '$startup_class'"
    fi
}

# Runs lintian on the package as a distribution's maintainer would (the .changes: source and binary), info,
# pedantic and experimental tags included, and judges its report (lintian_report_clean). It exits non-zero on
# errors only (or when it cannot run), so the tags are read off the report, "W: package: tag ...".
# Usage: lintian_clean CHANGES_OR_DEB   (exits 77, skipped, where lintian is not installed)
lintian_clean() {
    local report
    command -v lintian >/dev/null || { echo "lintian is not installed; skipped"; exit 77; }
    report=$(lintian --pedantic --display-info --display-experimental "$1" 2>&1) || fault "lintian: status $?"
    lintian_report_clean <<<"$report"
}

# Shows a lintian report, read from the standard input, and fails on any tag in it: error, warning, info,
# pedantic or experimental. A few tags are not the package's fault but the price of one source package for every
# release from Debian 12 to unstable, each release's lintian judging it; they are shown and counted, not failed:
lintian_release_tags=(
    # Debian 12's and 13's lintian know Debian Policy up to 4.6.2 and 4.7.2. The package follows the current
    # Policy, which unstable's lintian holds it to (out-of-date-standards-version).
    'W: testola source: newer-standards-version '
    # debhelper's compat level 14 exists in unstable only: Debian 12 and 13 build with 13 at the most.
    'P: testola source: package-uses-old-debhelper-compat-version 13'
    # unstable's dpkg takes these fields' values as given, but Debian 12's lintian asks for them
    # (recommended-field, silent-on-rules-requiring-root).
    'P: testola source: redundant-priority-optional-field '
    'P: testola source: redundant-rules-requires-root-no-field '
)
# Usage: lintian_report_clean <REPORT
lintian_report_clean() {
    local report tags across patterns=() tag
    report=$(cat)
    echo "$report"
    for tag in "${lintian_release_tags[@]}"; do patterns+=(-e "$tag"); done
    tags=$(grep -E '^[A-Z]: ' <<<"$report" | grep -vF "${patterns[@]}") || true
    across=$(grep -cF "${patterns[@]}" <<<"$report") || true
    [ "$across" -eq 0 ] || echo "Not failed: $across tag(s) above that one package for Debian 12 to unstable brings."
    [ -z "$tags" ] || fault "lintian finds the tags above"
}

"$@"
exit "$status"
