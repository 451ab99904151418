#!/usr/bin/env bash
# Checks that the program is hardened as Debian's build flags make it. A position-independent executable, full
# RELRO (relocations read-only and all bound at start) and the stack protector are read off the binary.
# _FORTIFY_SOURCE shows in a binary only where some buffer's size is known when compiling, so it is read off the
# build's compile commands instead: every source of the program must have it, unless FORTIFY is "no" (a Debug
# build, which goes without, since fortifying needs optimisation).
# Usage: check_hardening.sh PROGRAM COMPILE_COMMANDS_JSON SOURCE_DIR yes|no
set -euo pipefail
program=$1 commands=$2 source_dir=$3 fortify=$4

status=0
fail() { echo "$*" >&2; status=1; }
# Read whole before grepping: grep -q stops early, and readelf's broken pipe would then fail the pipeline.
header=$(readelf -hW "$program") segments=$(readelf -lW "$program") dynamic=$(readelf -dW "$program")
symbols=$(readelf --dyn-syms -W "$program")
grep -qE 'Type: +DYN ' <<<"$header" || fail "$program is not position-independent (its ELF type is not DYN)"
grep -qE '\(FLAGS_1\).* PIE' <<<"$dynamic" || fail "$program is not marked PIE"
grep -q ' GNU_RELRO ' <<<"$segments" || fail "$program has no RELRO segment"
grep -qE '\(FLAGS\).* BIND_NOW|\(FLAGS_1\).* NOW' <<<"$dynamic" || fail "$program is not bound at start: RELRO is partial"
grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "$program has no stack protector"

[ "$fortify" = yes ] || exit $status
own=$(grep -E "\"command\": .* -c $source_dir/(app|window|engine|runtime)/" "$commands" || true)
[ -n "$own" ] || fail "$commands holds no command compiling the program's sources"
unfortified=$(grep -v -- ' -D_FORTIFY_SOURCE=[1-9]' <<<"$own" | sed 's/.* -c //; s/",$//' || true)
[ -z "$unfortified" ] || fail "compiled without _FORTIFY_SOURCE: $unfortified"
exit $status
