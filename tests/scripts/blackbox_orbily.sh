#!/usr/bin/env bash
# Starts Orbily.exe under Wine as a user would, waits for its main window, takes a screenshot,
# closes the window with Alt+F4 and expects the process to end with exit code 0.
# Usage: blackbox_orbily.sh Orbily.exe screenshot.png
set -uo pipefail
. "$(dirname "$0")/blackbox_session.sh"
program=$1
screenshot=$2
EXIT_TIMEOUT=60

prepare_session "$program"

run_once()
{
    open_orbily_window "$program" "$WINDOW_TIMEOUT" || return 1
    echo "window $orbily_window: $(xdotool getwindowgeometry "$orbily_window" | tr '\n' ' ')"
    sleep 2   # the first paint
    import -window root "$screenshot" && echo "screenshot: $screenshot"
    close_and_report
}

retry_wine "$(attempts_for_32bit)" run_once
