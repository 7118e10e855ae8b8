#!/bin/sh
# What the built korvane.exe shows from outside: it needs only DLLs that every
# Windows has, it is a GUI program, it takes DEP and ASLR (with the relocations
# ASLR needs), its stack protector is linked, and it carries no time stamp.
#   check_binary.sh KORVANE.EXE OBJDUMP
set -u
exe=$1
objdump=$2
headers=$(TZ=UTC "$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
sections=$("$objdump" -h "$exe")
failed=0
fail() { echo "FAIL: $*"; failed=1; }

allowed=" ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL SHLWAPI.DLL USER32.DLL "
imports=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'a-z' 'A-Z')
for dll in $imports; do
    case "$allowed" in
    *" $dll "*) ;;
    *) fail "imports $dll, which is not a Windows system DLL" ;;
    esac
done
for dll in KERNEL32.DLL USER32.DLL GDI32.DLL SHELL32.DLL; do
    printf '%s\n' "$imports" | grep -qx "$dll" || fail "does not import $dll"
done

printf '%s\n' "$headers" | grep -Eq '^Subsystem[[:space:]]+00000002' || fail "is not a Windows GUI program"
printf '%s\n' "$headers" | grep -Eq '^[[:space:]]+NX_COMPAT$' || fail "is not marked NX_COMPAT (DEP)"
printf '%s\n' "$headers" | grep -Eq '^[[:space:]]+DYNAMIC_BASE$' || fail "is not marked DYNAMIC_BASE (ASLR)"
printf '%s\n' "$sections" | grep -Eq '[[:space:]]\.reloc[[:space:]]' || fail "has no .reloc section, so ASLR cannot move it"
printf '%s\n' "$headers" | grep -Eq '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970' \
    || fail "carries a time stamp: $(printf '%s\n' "$headers" | grep '^Time/Date')"
printf '%s\n' "$headers" | grep -q 'CryptGenRandom' \
    || fail "does not seed a stack-protector canary (no CryptGenRandom import)"
printf '%s\n' "$sections" | grep -q '\.debug_' && fail "carries debug sections"

[ $failed -eq 0 ] && echo "ok: $(printf '%s ' $imports)"
exit $failed
