# tests/scripts/blackbox_session.sh: sourced by the black-box scripts that drive Orbily.exe under
# Wine as a user would: the Wine environment, the checks before a session, and the helpers every
# session uses to press keys, wait for the program to answer and close it again.
ORBILY_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$ORBILY_ROOT/tools/wine/env.sh"
WINDOW_TIMEOUT=${ORBILY_WINDOW_TIMEOUT:-600}   # 32-bit Wine under an emulator takes minutes
CHANGE_TIMEOUT=120   # seconds for the program to answer a key or a click
EXIT_TIMEOUT=120

# Ends the script, skipped or failed with the reason, unless the program (and orbily-render, when
# given) is built, 32-bit Wine runs and the prefix is ready; then starts a display for the session,
# stopped again when the script ends. Usage: prepare_session Orbily.exe [orbily-render]
prepare_session()
{
    [ -f "$1" ] || { echo "SKIPPED: $1 is not built (make test builds it)"; exit $SKIP; }
    [ -z "${2:-}" ] || [ -x "$2" ] || { echo "SKIPPED: $2 is not built"; exit $SKIP; }
    can_run_32bit_windows_programs || cannot_run "$1" "$(no_32bit_reason)"
    wine_prefix_ready || { echo "no Wine prefix: the WinePrefix test makes it"; exit 1; }
    trap stop_wine_and_display EXIT
    start_display || exit 1
}

fail() { echo "FAILED: $*"; return 1; }

press() { xdotool windowfocus --sync "$orbily_window"; xdotool key "$1"; }

# Runs a command every half second until it succeeds, for CHANGE_TIMEOUT seconds at the most.
wait_until()
{
    for _ in $(seq $((CHANGE_TIMEOUT * 2))); do
        sleep 0.5
        "$@" && return 0
    done
    return 1
}

# Closes the main window with Alt+F4 and returns Orbily.exe's exit code, saying what it was.
close_and_report()
{
    close_orbily_window "$EXIT_TIMEOUT"
    local status=$?
    echo "Orbily.exe exited with code $status"
    return $status
}
