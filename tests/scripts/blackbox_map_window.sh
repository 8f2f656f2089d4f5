#!/usr/bin/env bash
# Drives Orbily.exe under Wine as a user would and checks what the map window shows: the start-up
# picture against orbily-render's PNG of the same view, Down and Up with their captions, a wheel
# notch and Ctrl+A, a double-click zoom, Esc clearing the selection, and exit code 0 after Alt+F4.
# Usage: blackbox_map_window.sh Orbily.exe orbily-render work-folder
set -uo pipefail
. "$(dirname "$0")/blackbox_session.sh"
program=$1
render=$2
work=$3
CLIENT_WIDTH=960 CLIENT_HEIGHT=480               # half and a quarter of a 1920-wide screen
FUZZ=6%                  # two rasterisers' small differences in one pixel's colour
MOST_DIFFERENT=0.01      # of the client's pixels, for pictures that must agree

prepare_session "$program" "$render"
mkdir -p "$work"

# Share of pixels of two client pictures that differ by more than FUZZ.
difference() { compare -metric AE -fuzz $FUZZ "$1" "$2" null: 2>&1 | awk -v n=$((CLIENT_WIDTH * CLIENT_HEIGHT)) '{ printf "%.5f", $1 / n }'; }
same() { awk -v d="$(difference "$1" "$2")" -v m=$MOST_DIFFERENT 'BEGIN { exit !(d <= m) }'; }

client_x= client_y=
# The client inside the top-level X window: the client edge around it, the menu bar above it and
# the scroll bar below; the exact place is where the picture best matches orbily-render's.
locate_client()
{
    eval "$(xdotool getwindowgeometry --shell "$orbily_window")"
    local edge=$(( (WIDTH - CLIENT_WIDTH) / 2 )) best=2 dx dy d
    local guess_x=$((X + edge)) guess_y=$((Y + HEIGHT - edge - CLIENT_HEIGHT - 17))
    import -window root "$work/screen.png"
    for dy in $(seq -4 4); do
        for dx in $(seq -2 2); do
            convert "$work/screen.png" -crop ${CLIENT_WIDTH}x${CLIENT_HEIGHT}+$((guess_x + dx))+$((guess_y + dy)) +repage "$work/try.png"
            d=$(difference "$work/try.png" "$work/expected.png")
            if awk -v d="$d" -v b="$best" 'BEGIN { exit !(d < b) }'; then
                best=$d client_x=$((guess_x + dx)) client_y=$((guess_y + dy))
            fi
        done
    done
    echo "client at ($client_x, $client_y), $best of its pixels differ from orbily-render's"
}

shoot() { import -window root -crop ${CLIENT_WIDTH}x${CLIENT_HEIGHT}+$client_x+$client_y +repage "$1"; }

# Takes a picture into $2; true when it differs from $1 (or, with "same", agrees with it).
shot_is()
{
    shoot "$2"
    if [ "${3:-different}" = same ]; then same "$1" "$2"; else ! same "$1" "$2"; fi
}
# Takes pictures until one differs from $1 (or, with "same", agrees with it); leaves it in $2.
wait_for_picture() { wait_until shot_is "$@"; }

wait_for_caption()
{
    timeout $CHANGE_TIMEOUT xdotool search --sync --name "^$1\$" >/dev/null 2>&1
}

"$render" map "$work/expected.png" --width $CLIENT_WIDTH --height $CLIENT_HEIGHT || exit 1
"$render" map "$work/mercator.png" --projection 1 --width $CLIENT_WIDTH --height $CLIENT_HEIGHT || exit 1

# One session with the program: every check in order, then Alt+F4; non-zero at the first failure.
run_once()
{
    open_orbily_window "$program" "$WINDOW_TIMEOUT" || return 1
    for _ in $(seq 10); do   # until the first paint is done
        sleep 3
        locate_client
        shoot "$work/start.png"
        same "$work/start.png" "$work/expected.png" && break
    done
    same "$work/start.png" "$work/expected.png" || fail "the start-up map differs from orbily-render's" || return 1
    echo "start-up map agrees with orbily-render's"

    press Down
    wait_for_caption "Orbily - Mercator \(Ch'ien Lo-Chih, c\.940AD\)" ||
        fail "Down did not name Mercator in the caption" || return 1
    wait_for_picture "$work/mercator.png" "$work/down.png" same ||
        fail "after Down the map is not orbily-render's Mercator" || return 1
    press Up
    wait_for_caption "Orbily - Equirectangular \(Marinus, c\.100AD\)" ||
        fail "Up did not come back to Equirectangular" || return 1
    wait_for_picture "$work/expected.png" "$work/up.png" same || fail "after Up the map is not the start-up map" || return 1
    echo "Down and Up change projection and caption"

    xdotool mousemove $((client_x + 300)) $((client_y + 150))
    xdotool click 4
    wait_for_picture "$work/expected.png" "$work/wheel.png" || fail "a wheel notch did not zoom" || return 1
    press ctrl+a
    wait_for_picture "$work/expected.png" "$work/show_all.png" same ||
        fail "Ctrl+A did not show the whole map again" || return 1
    echo "the wheel zooms and Ctrl+A shows all"

    # a double-click on Cameroon, in the middle of the map
    xdotool mousemove $((client_x + 520)) $((client_y + 220))
    xdotool click --repeat 2 --delay 80 1
    wait_for_picture "$work/expected.png" "$work/zoomed.png" || fail "a double-click on a country did not zoom" || return 1
    # its first click selected the country, drawn in its selected colour until Esc clears it
    press Escape
    wait_for_picture "$work/zoomed.png" "$work/escape.png" || fail "Esc did not clear the highlight" || return 1
    awk -v d="$(difference "$work/zoomed.png" "$work/escape.png")" 'BEGIN { exit !(d < 0.1) }' ||
        fail "Esc changed more than the highlighted country" || return 1
    same "$work/expected.png" "$work/escape.png" && { fail "Esc changed the view"; return 1; }
    echo "a double-click zooms to the country; Esc clears the highlight and leaves the view alone"

    close_and_report
}

retry_wine "$(attempts_for_32bit)" run_once
