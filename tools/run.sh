#!/usr/bin/env bash
# `make run`: starts build/bin/Orbily.exe under Wine. Without a display it runs the program for a
# few seconds in a virtual one and saves a screenshot to build/orbily.png. Where 32-bit Windows
# programs cannot run, it renders the start-up view with orbily-render instead, if it can.
set -uo pipefail
ORBILY_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ORBILY_ROOT/tools/wine/env.sh"
PROGRAM=$ORBILY_ROOT/build/bin/Orbily.exe
RENDER=$ORBILY_ROOT/build/bin/orbily-render
SCREENSHOT=$ORBILY_ROOT/build/orbily.png
WINDOW_TIMEOUT=600   # 32-bit Wine under an emulator takes minutes to start a process
SHOW_SECONDS=5

# The start-up view as orbily-render draws it, into $SCREENSHOT; says so, or why not.
render_instead()
{
    if [ ! -x "$RENDER" ]; then
        echo "orbily-render is not built either (make builds it), so there is nothing to show" >&2
        return 1
    fi
    if ! "$RENDER" map "$SCREENSHOT"; then
        echo "orbily-render could not draw the start-up view either" >&2
        return 1
    fi
    echo "rendered the start-up view with orbily-render instead: $SCREENSHOT"
}

[ -f "$PROGRAM" ] || { echo "missing $PROGRAM: make builds it" >&2; exit 1; }
if ! can_run_32bit_windows_programs; then
    echo "Orbily.exe cannot run here: $(no_32bit_reason)."
    render_instead
    exit
fi
bash "$ORBILY_ROOT/tools/wine/make_prefix.sh" || exit 1
trap stop_wine_and_display EXIT

if [ -n "${DISPLAY:-}" ]; then
    "$WINE" "$PROGRAM"
    exit
fi

start_display || exit 1
echo "no display: running Orbily.exe in a virtual display ($DISPLAY) for $SHOW_SECONDS seconds"
open_orbily_window "$PROGRAM" "$WINDOW_TIMEOUT" || exit 1
sleep "$SHOW_SECONDS"
import -window "$orbily_window" "$SCREENSHOT" || exit 1
close_orbily_window 60
status=$?
echo "screenshot of Orbily.exe saved to $SCREENSHOT (exit code $status)"
exit $status
