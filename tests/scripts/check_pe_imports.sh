#!/usr/bin/env bash
# Checks that a Windows program is what Orbily.exe must be: a 32-bit (i386, PE32) GUI program
# that imports from KERNEL32, USER32, GDI32, COMCTL32 and COMDLG32 only, and no allocator.
# Prints every breach; exits non-zero if there is one.
set -uo pipefail
exe=$1
[ -f "$exe" ] || { echo "SKIPPED: $exe is not built (make test builds it)"; exit 77; }
headers=$(objdump -p "$exe") || { echo "objdump cannot read $exe"; exit 1; }

failures=0
breach() { echo "$exe: $*"; failures=$((failures + 1)); }

grep -q 'file format pei-i386' <<<"$headers" || breach "machine is not i386"
grep -qE '^Magic[[:space:]]+010b' <<<"$headers" || breach "optional header is not PE32"
grep -qE '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$headers" || breach "subsystem is not Windows GUI"

dlls=$(awk '/DLL Name:/ { print toupper($3) }' <<<"$headers")
[ -n "$dlls" ] || breach "imports no DLL at all"
for dll in $dlls; do
    case "$dll" in
        KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|COMDLG32.DLL) ;;
        *) breach "imports a DLL that is not allowed: $dll" ;;
    esac
done

# the import lines under each DLL: hint, ordinal and name
functions=$(awk '/DLL Name:/ { inside = 1; next } inside && NF == 0 { inside = 0 }
                 inside && $1 ~ /^[0-9a-f]+$/ && NF == 3 { print $3 }' <<<"$headers")
for name in $functions; do
    case "$name" in
        Heap*|GlobalAlloc|GlobalReAlloc|LocalAlloc|LocalReAlloc|VirtualAlloc*|CoTaskMem*|\
        malloc|calloc|realloc|free|_Zn*)
            breach "imports an allocation call: $name" ;;
    esac
done

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "$exe: PE32 i386 GUI, imports only $(tr '\n' ' ' <<<"$dlls")"
