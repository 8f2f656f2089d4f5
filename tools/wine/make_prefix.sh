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
# The test program shows and destroys windows in every test; as windows of a window manager that
# the virtual display does not have, each would wait two seconds to be withdrawn. It draws its
# own frames instead.
TEST_PROGRAM_KEY='HKCU\Software\Wine\AppDefaults\orbily_win32_tests.exe\X11 Driver'
unmanaged_test_windows()
{
    grep -qF 'AppDefaults\\orbily_win32_tests.exe\\X11 Driver' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    timeout 300 "$WINE" reg add "$TEST_PROGRAM_KEY" /v Managed /t REG_SZ /d N /f >/dev/null &&
        timeout 300 "$WINESERVER" -w
}

if wine_prefix_ready; then
    unmanaged_test_windows || { echo "cannot set the test program's window setting"; exit 1; }
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
unmanaged_test_windows || { echo "cannot set the test program's window setting"; exit 1; }
stop_wine_and_display
touch "$WINE_READY_MARK"
echo "created Wine prefix $WINEPREFIX in $(( $(date +%s) - start )) s"
