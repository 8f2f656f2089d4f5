#!/usr/bin/env bash
# Drives Orbily.exe's exports and tooltip under Wine as a user would: Ctrl+T and Ctrl+S through
# the real Save As dialog (a name typed without extension, then Enter), the statistics file
# against orbily-render's, the map metafile read by an independent reader (emf2svg) and drawn,
# the tooltip shown over a country and hidden over the sea, and Ctrl+V saving its flag.
# Usage: blackbox_exports.sh Orbily.exe orbily-render work-folder
set -uo pipefail
. "$(dirname "$0")/blackbox_session.sh"
program=$1
render=$2
work=$3

command -v emf2svg-conv >/dev/null || { echo "SKIPPED: emf2svg-conv is not installed"; exit $SKIP; }
prepare_session "$program" "$render"
mkdir -p "$work"
work=$(cd "$work" && pwd)

windows_path() { echo "Z:${1//\//\\}"; }

# Waits for a file to appear and stop growing.
file_size=
file_settled()
{
    [ -f "$1" ] || return 1
    local now=$(stat -c %s "$1")
    [ "$now" = "$file_size" ] && [ "$now" -gt 0 ] && return 0
    file_size=$now
    return 1
}
wait_for_file() { file_size=-1; wait_until file_settled "$1"; }

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
tooltip_is()   # shown or hidden
{
    if [ "$1" = shown ]; then [ -n "$(tooltip_window)" ]; else [ -z "$(tooltip_window)" ]; fi
}

# Saves a metafile through Save As with a key and reads it back with the independent reader:
# NAME.emf, then NAME.svg from emf2svg and NAME.png drawn from it WIDTH pixels wide.
save_metafile()
{
    local key=$1 name=$2 width=$3 letter=${1: -1}
    save_through_dialog "$key" "$work/$name" || return 1
    wait_for_file "$work/$name.emf" || fail "Ctrl+${letter^^} wrote no $name.emf" || return 1
    emf2svg-conv -i "$work/$name.emf" -o "$work/$name.svg" || fail "emf2svg cannot read $name.emf" || return 1
    rsvg-convert -w "$width" -o "$work/$name.png" "$work/$name.svg" 2>/dev/null
    return 0
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

    save_metafile ctrl+s map 1200 || return 1
    local polygons
    polygons=$(grep -o '<path' "$work/map.svg" | wc -l)
    [ "$polygons" -gt 1000 ] || fail "the map metafile draws only $polygons shapes" || return 1
    echo "Ctrl+S wrote map.emf; emf2svg draws its $polygons shapes into map.svg and map.png"

    # the mouse over Cameroon, in the middle of the map, then over the Atlantic
    eval "$(xdotool getwindowgeometry --shell "$orbily_window")"
    xdotool mousemove $((X + WIDTH * 54 / 100)) $((Y + HEIGHT * 53 / 100))
    sleep 0.5
    xdotool mousemove_relative 2 2
    wait_until tooltip_is shown || fail "no tooltip over a country" || return 1
    local tip
    tip=$(tooltip_window)
    eval "$(xdotool getwindowgeometry --shell "$tip")"
    import -window root -crop ${WIDTH}x${HEIGHT}+$X+$Y +repage "$work/tooltip.png"
    echo "the tooltip shows over a country (${WIDTH}x${HEIGHT} at $X,$Y, in tooltip.png)"

    xdotool click 1   # selects the country under the mouse, whose flag Ctrl+V saves
    sleep 1
    save_metafile ctrl+v flag 400 || return 1
    echo "Ctrl+V wrote flag.emf; emf2svg draws it into flag.svg and flag.png"
    eval "$(xdotool getwindowgeometry --shell "$orbily_window")"
    xdotool mousemove $((X + WIDTH * 40 / 100)) $((Y + HEIGHT * 55 / 100))
    sleep 0.5
    xdotool mousemove_relative 2 2
    wait_until tooltip_is hidden || fail "the tooltip stays over the sea" || return 1
    echo "the sea hides the tooltip"

    close_and_report
}

retry_wine "$(attempts_for_32bit)" run_once
