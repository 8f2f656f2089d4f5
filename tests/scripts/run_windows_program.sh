#!/usr/bin/env bash
# Runs a Windows console program (a test program) under Wine, in a private Xvfb when there is no
# display, and exits with its exit code; fails when a machine with Wine cannot run it.
# Usage: run_windows_program.sh program.exe [arguments...]
set -uo pipefail
ORBILY_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ORBILY_ROOT/tools/wine/env.sh"
program=$1
shift

[ -f "$program" ] || { echo "SKIPPED: $program is not built (make test builds it)"; exit $SKIP; }
attempts=1
if objdump -f "$program" | grep -q 'pei-i386'; then
    can_run_32bit_windows_programs || cannot_run "$program" "$(no_32bit_reason)"
    attempts=$(attempts_for_32bit)
else
    can_run_64bit_windows_programs || cannot_run "$program" "64-bit Wine ($WINELOADER) does not run here"
fi
wine_prefix_ready || { echo "no Wine prefix: the WinePrefix test makes it"; exit 1; }
trap stop_wine_and_display EXIT
start_display || exit 1
retry_wine "$attempts" timeout "${ORBILY_WINE_TIMEOUT:-840}" "$WINE" "$program" "$@"
