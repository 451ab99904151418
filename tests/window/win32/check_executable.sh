#!/usr/bin/env bash
# Checks testola.exe as objdump reads its PE headers: a GUI program for the architecture, with ASLR and DEP (and
# high-entropy addresses on 64-bit), no link time stamp, and imports from Windows' own DLLs only, so that the
# .exe runs with no DLL beside it.
# Usage: check_executable.sh OBJDUMP EXE PROCESSOR
set -euo pipefail
objdump=$1 exe=$2 processor=$3
headers=$("$objdump" -p "$exe")
status=0
fault() { echo "FAILED: $exe: $*" >&2; status=1; }
expect() { grep -qE "$1" <<<"$headers" || fault "$2"; }

case $processor in
i686) expect 'file format pei-i386' "not a 32-bit PE" ;;
x86_64)
    expect 'file format pei-x86-64' "not a 64-bit PE"
    expect '^[[:space:]]+HIGH_ENTROPY_VA' "no high-entropy ASLR"
    ;;
*) fault "unknown processor $processor" ;;
esac
expect '^Subsystem[[:space:]]+00000002' "not a Windows GUI program"
expect '^[[:space:]]+DYNAMIC_BASE' "no ASLR (DYNAMIC_BASE)"
expect '^[[:space:]]+NX_COMPAT' "no DEP (NX_COMPAT)"
expect '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970' "a link time in the header"

# The system's DLLs, which every Windows since 7 has; the C++ runtime, libgcc, winpthread and libssp are linked in.
system_dlls='^(ADVAPI32|COMCTL32|GDI32|KERNEL32|msvcrt|ole32|OLEACC|OLEAUT32|USER32|UxTheme|VERSION)\.(dll|DLL)$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
echo "Imports: $(tr '\n' ' ' <<<"$imports")"
if foreign=$(grep -vE "$system_dlls" <<<"$imports"); then
    fault "needs $(paste -sd' ' <<<"$foreign"), which Windows does not have"
fi
[ "$status" -eq 0 ] && echo "$exe: PE for $processor, GUI, ASLR and DEP, no time stamp, system DLLs only"
exit "$status"
