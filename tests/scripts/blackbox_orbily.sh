#!/usr/bin/env bash
# Starts Orbily.exe under Wine as a user would, waits for its main window, takes a screenshot,
# closes the window with Alt+F4 and expects the process to end with exit code 0.
# Usage: blackbox_orbily.sh Orbily.exe screenshot.png
set -uo pipefail
ORBILY_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ORBILY_ROOT/tools/wine/env.sh"
program=$1
screenshot=$2
WINDOW_TIMEOUT=600   # 32-bit Wine under an emulator takes minutes to start a process
EXIT_TIMEOUT=60

[ -f "$program" ] || { echo "SKIPPED: $program is not built (make test builds it)"; exit $SKIP; }
can_run_32bit_windows_programs || cannot_run "$program" "$(no_32bit_reason)"
wine_prefix_ready || { echo "no Wine prefix: the WinePrefix test makes it"; exit 1; }
trap stop_wine_and_display EXIT
start_display || exit 1

run_once()
{
    open_orbily_window "$program" "$WINDOW_TIMEOUT" || return 1
    echo "window $orbily_window: $(xdotool getwindowgeometry "$orbily_window" | tr '\n' ' ')"
    sleep 2   # the first paint
    import -window root "$screenshot" && echo "screenshot: $screenshot"
    close_orbily_window "$EXIT_TIMEOUT"
    local status=$?
    echo "Orbily.exe exited with code $status"
    return $status
}

retry_wine "$(attempts_for_32bit)" run_once
