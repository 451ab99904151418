#!/usr/bin/env bash
# Checks the documents installed beside the program: the machine-readable copyright file with the licence text,
# the changelog whose top entry is this version, and the manual pages, which man must render without a warning.
# The compressed ones must be exactly what gzip -9n makes: compressed the most, with no file name or time.
# Usage: check_documents.sh PREFIX VERSION
set -euo pipefail
prefix=$1 version=$2
doc=$prefix/share/doc/testola
pages=("$prefix/share/man/man1/testola.1.gz" "$prefix/share/man/ru/man1/testola.1.gz")

status=0
fail() { echo "$*" >&2; status=1; }
for file in "$doc/copyright" "$doc/changelog.gz" "${pages[@]}"; do
    [ -f "$file" ] || { echo "missing $file" >&2; exit 1; }
done

expect_line() { grep -qxF -- "$2" "$1" || fail "$1 lacks the line: $2"; }
expect_line "$doc/copyright" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
expect_line "$doc/copyright" "Files: *"
expect_line "$doc/copyright" "License: Expat"
expect_line "$doc/copyright" " Permission is hereby granted, free of charge, to any person obtaining a copy"
top=$(zcat "$doc/changelog.gz" | head -n 1)
[ "$top" = "testola ($version) unstable; urgency=medium" ] || fail "the changelog starts with '$top', not version $version"

for gz in "$doc/changelog.gz" "${pages[@]}"; do
    zcat "$gz" | gzip -9n | cmp -s - "$gz" || fail "$gz is not as gzip -9n makes it"
done
for page in "${pages[@]}"; do
    # As lintian renders a page to look for problems.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
    text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)
    for word in Enter Escape Tab 4.5 4,5 "Testola $version"; do
        grep -qF -- "$word" <<<"$text" || fail "$page does not mention $word"
    done
done
exit $status
