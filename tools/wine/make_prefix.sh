#!/usr/bin/env bash
# Creates the Wine prefix build/wine64 once (it takes minutes); later calls return at once.
# Exits 77 when no Windows program is built or Wine is not installed; fails where Wine is
# installed but does not run.
set -uo pipefail
ORBILY_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ORBILY_ROOT/tools/wine/env.sh"

if ! can_run_64bit_windows_programs; then
    cannot_run "the Wine prefix" "64-bit Wine ($WINELOADER) does not run on this machine"
fi
if [ -z "$(ls "$ORBILY_ROOT"/build/win32/*.exe "$ORBILY_ROOT"/build/win64/*.exe 2>/dev/null)" ]; then
    echo "SKIPPED: no Windows program is built (make test builds them)"
    exit $SKIP
fi
if wine_prefix_ready; then
    echo "Wine prefix $WINEPREFIX is ready"
    exit 0
fi

echo "creating the Wine prefix $WINEPREFIX (minutes, once)"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
start=$(date +%s)
timeout 1500 "$WINE" wineboot --init
status=$?
timeout 300 "$WINESERVER" -w
stop_wine_and_display
if [ $status -ne 0 ]; then
    echo "wineboot failed with status $status after $(( $(date +%s) - start )) s"
    exit 1
fi
touch "$WINE_READY_MARK"
echo "created Wine prefix $WINEPREFIX in $(( $(date +%s) - start )) s"
