#!/usr/bin/env bash
# Drives Orbily.exe under Wine and checks its three windows at start-up and after a click on
# France: the statistics window beside the map, the flag window under it showing only the teal
# background, then France's flag and France's row and colour on the map after the click.
# Screenshots stay in the work folder to be looked at.
# Usage: blackbox_flag_and_statistics_windows.sh Orbily.exe work-folder
set -uo pipefail
. "$(dirname "$0")/blackbox_session.sh"
program=$1
work=$2
MAP_WIDTH=960 MAP_HEIGHT=480 FLAG_WIDTH=480 FLAG_HEIGHT=240
FRANCE_X=488 FRANCE_Y=115   # near Paris on the start-up map
SCROLL_BAR=17

prepare_session "$program"
mkdir -p "$work"

# "R G B" of a pixel of a picture.
rgb_at() { convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)] %[fx:int(255*p{'"$2,$3"'}.g)] %[fx:int(255*p{'"$2,$3"'}.b)]' info:; }

# Top-left of the client of the window named $1, with a client of $2 x $3 centred in its frame
# and $4 pixels below the client (the map's scroll bar).
client_origin()
{
    local window
    window=$(timeout "$CHANGE_TIMEOUT" xdotool search --sync --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$window" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local edge=$(( (WIDTH - $2) / 2 ))
    echo "$((X + edge)) $((Y + HEIGHT - edge - $3 - $4))"
}

# True when the flag window's client at $1 shows the three bands of France: blue, white, red.
shows_france()
{
    local r g b
    read -r r g b <<<"$(rgb_at "$1" $((flag_x + 60)) $((flag_y + 120)))"
    [ "$b" -gt 100 ] && [ "$r" -lt 60 ] || return 1
    read -r r g b <<<"$(rgb_at "$1" $((flag_x + 240)) $((flag_y + 120)))"
    [ "$r" -gt 230 ] && [ "$g" -gt 230 ] && [ "$b" -gt 230 ] || return 1
    read -r r g b <<<"$(rgb_at "$1" $((flag_x + 420)) $((flag_y + 120)))"
    [ "$r" -gt 200 ] && [ "$b" -lt 80 ]
}
france_shown() { import -window root "$work/france.png"; shows_france "$work/france.png"; }

run_once()
{
    open_orbily_window "$program" "$WINDOW_TIMEOUT" || return 1
    local map flag
    map=$(client_origin "Orbily - World Map Viewer" $MAP_WIDTH $MAP_HEIGHT $SCROLL_BAR) || fail "no map window" || return 1
    flag=$(client_origin "Orbily - Flag" $FLAG_WIDTH $FLAG_HEIGHT 0) || fail "no flag window" || return 1
    xdotool search --name "^Orbily - Statistics\$" >/dev/null || fail "no statistics window" || return 1
    read -r map_x map_y <<<"$map"
    read -r flag_x flag_y <<<"$flag"
    sleep 5   # the first paints
    import -window root "$work/start.png"
    [ "$(rgb_at "$work/start.png" $((flag_x + 240)) $((flag_y + 120)))" = "0 128 128" ] ||
        fail "the flag window does not start with only the teal background" || return 1
    echo "three windows at start-up; the flag window shows the background"

    xdotool mousemove $((map_x + FRANCE_X)) $((map_y + FRANCE_Y))
    xdotool click 1
    wait_until france_shown || fail "a click on France did not show its flag" || return 1
    [ "$(rgb_at "$work/france.png" $((map_x + FRANCE_X)) $((map_y + FRANCE_Y)))" != \
      "$(rgb_at "$work/start.png" $((map_x + FRANCE_X)) $((map_y + FRANCE_Y)))" ] ||
        fail "France is not drawn in its selected colour" || return 1
    echo "a click on France shows its flag and its selected colour"

    close_and_report
}

retry_wine "$(attempts_for_32bit)" run_once
