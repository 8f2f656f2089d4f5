#!/usr/bin/env bash
# Drives Orbily.exe's exports and tooltip under Wine as a user would: Ctrl+T and Ctrl+S through
# the real Save As dialog (a name typed without extension, then Enter), the statistics file
# against orbily-render's, the map metafile read by an independent reader (emf2svg) and drawn,
# the tooltip shown over a country and hidden over the sea, and Ctrl+V saving its flag.
# Usage: blackbox_exports.sh Orbily.exe orbily-render work-folder
set -uo pipefail
ORBILY_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ORBILY_ROOT/tools/wine/env.sh"
program=$1
render=$2
work=$3
WINDOW_TIMEOUT=${ORBILY_WINDOW_TIMEOUT:-600}   # 32-bit Wine under an emulator takes minutes
CHANGE_TIMEOUT=120
EXIT_TIMEOUT=120

[ -f "$program" ] || { echo "SKIPPED: $program is not built (make test builds it)"; exit $SKIP; }
[ -x "$render" ] || { echo "SKIPPED: $render is not built"; exit $SKIP; }
command -v emf2svg-conv >/dev/null || { echo "SKIPPED: emf2svg-conv is not installed"; exit $SKIP; }
can_run_32bit_windows_programs || cannot_run "$program" "$(no_32bit_reason)"
wine_prefix_ready || { echo "no Wine prefix: the WinePrefix test makes it"; exit 1; }
mkdir -p "$work"
work=$(cd "$work" && pwd)
trap stop_wine_and_display EXIT
start_display || exit 1

fail() { echo "FAILED: $*"; return 1; }
windows_path() { echo "Z:${1//\//\\}"; }
press() { xdotool windowfocus --sync "$orbily_window"; xdotool key "$1"; }

# Waits for a file to appear and stop growing.
wait_for_file()
{
    local size=-1
    for _ in $(seq $((CHANGE_TIMEOUT * 2))); do
        sleep 0.5
        [ -f "$1" ] || continue
        local now=$(stat -c %s "$1")
        [ "$now" = "$size" ] && [ "$now" -gt 0 ] && return 0
        size=$now
    done
    return 1
}

# Opens Save As with a key, types a name without extension into it and presses Enter.
save_through_dialog()
{
    local key=$1 name=$2
    press "$key"
    local dialog
    dialog=$(timeout $CHANGE_TIMEOUT xdotool search --sync --onlyvisible --name '^Save As$' 2>/dev/null | head -1)
    [ -n "$dialog" ] || { echo "no Save As dialog after $key"; return 1; }
    xdotool windowfocus --sync "$dialog"
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 30 "$(windows_path "$name")"
    xdotool key Return
}

# The tooltip: a small visible top-level window without a name (the windows have captions, and
# the desktop is screen-sized).
tooltip_window()
{
    local w
    for w in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$WIDTH" -lt 800 ] && [ "$HEIGHT" -lt 200 ] && { echo "$w"; return; }
    done
}
wait_for_tooltip()   # shown or hidden
{
    for _ in $(seq $((CHANGE_TIMEOUT * 2))); do
        sleep 0.5
        if [ "$1" = shown ]; then [ -n "$(tooltip_window)" ] && return 0
        else [ -z "$(tooltip_window)" ] && return 0; fi
    done
    return 1
}

"$render" csv "$work/expected.csv" || exit 1

run_once()
{
    rm -f "$work"/statistics.csv "$work"/map.emf "$work"/map.svg "$work"/map.png "$work"/tooltip.png "$work"/flag.*
    open_orbily_window "$program" "$WINDOW_TIMEOUT" || return 1
    sleep 3

    save_through_dialog ctrl+t "$work/statistics" || return 1
    wait_for_file "$work/statistics.csv" || fail "Ctrl+T wrote no statistics.csv" || return 1
    cmp "$work/statistics.csv" "$work/expected.csv" ||
        fail "the statistics file differs from orbily-render's" || return 1
    echo "Ctrl+T wrote statistics.csv byte for byte as orbily-render csv does"

    save_through_dialog ctrl+s "$work/map" || return 1
    wait_for_file "$work/map.emf" || fail "Ctrl+S wrote no map.emf" || return 1
    emf2svg-conv -i "$work/map.emf" -o "$work/map.svg" || fail "emf2svg cannot read map.emf" || return 1
    local polygons
    polygons=$(grep -o '<path' "$work/map.svg" | wc -l)
    [ "$polygons" -gt 1000 ] || fail "the map metafile draws only $polygons shapes" || return 1
    rsvg-convert -w 1200 -o "$work/map.png" "$work/map.svg" 2>/dev/null
    echo "Ctrl+S wrote map.emf; emf2svg draws its $polygons shapes into map.svg and map.png"

    # the mouse over Cameroon, in the middle of the map, then over the Atlantic
    eval "$(xdotool getwindowgeometry --shell "$orbily_window")"
    xdotool mousemove $((X + WIDTH * 54 / 100)) $((Y + HEIGHT * 53 / 100))
    sleep 0.5
    xdotool mousemove_relative 2 2
    wait_for_tooltip shown || fail "no tooltip over a country" || return 1
    local tip
    tip=$(tooltip_window)
    eval "$(xdotool getwindowgeometry --shell "$tip")"
    import -window root -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$work/tooltip.png"
    echo "the tooltip shows over a country (${WIDTH}x${HEIGHT} at $X,$Y, in tooltip.png)"

    xdotool click 1   # selects the country under the mouse, whose flag Ctrl+V saves
    sleep 1
    save_through_dialog ctrl+v "$work/flag" || return 1
    wait_for_file "$work/flag.emf" || fail "Ctrl+V wrote no flag.emf" || return 1
    emf2svg-conv -i "$work/flag.emf" -o "$work/flag.svg" || fail "emf2svg cannot read flag.emf" || return 1
    rsvg-convert -w 400 -o "$work/flag.png" "$work/flag.svg" 2>/dev/null
    echo "Ctrl+V wrote flag.emf; emf2svg draws it into flag.svg and flag.png"
    eval "$(xdotool getwindowgeometry --shell "$orbily_window")"
    xdotool mousemove $((X + WIDTH * 40 / 100)) $((Y + HEIGHT * 55 / 100))
    sleep 0.5
    xdotool mousemove_relative 2 2
    wait_for_tooltip hidden || fail "the tooltip stays over the sea" || return 1
    echo "the sea hides the tooltip"

    close_orbily_window "$EXIT_TIMEOUT"
    local status=$?
    echo "Orbily.exe exited with code $status"
    return $status
}

retry_wine "$(attempts_for_32bit)" run_once
