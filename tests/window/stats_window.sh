#!/usr/bin/env bash
# Under a window manager (openbox) the score tables keep one window for both their pages:
# turning to History and back neither moves nor resizes it. F11 fills the screen with it and F11
# again gives it back where and as large as it was, on either page, and the next score tables
# open as these did.
#
#   stats_window.sh <program folder>
set -euo pipefail

kTools="openbox xprop xwininfo"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
log="$work/program.log"

geometry_of() { # <window>: "x y width height" as the window system has it
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { print x, y, w, $2 }'
}

# expect_geometry <geometry> <what>: the score tables come to stand there within 3 s.
expect_geometry() {
    local _ now
    for _ in $(seq 30); do
        now=$(geometry_of "$stats")
        [[ "$now" == "$1" ]] && return 0
        sleep 0.1
    done
    cat "$log" >&2; fail "$2: the score tables stand at $now, not $1"
}

start_window_manager
start_game 1
sleep 0.3

spell_on_menu "$menu" $kStatTiles
wait_titled 1 '^Vortalex$' "STAT opened no score tables"
stats=$(xdotool search --onlyvisible --name '^Vortalex$')
# Over the menu, however soon after its start: the menu's frame, new then, once left the score
# tables in the screen's corner.
expect_centred "$stats" "$menu" "the score tables" 12
opened=$(geometry_of "$stats")
screen=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { print 0, 0, w, $2 }')

xdotool key alt+h
sleep 0.5
expect_geometry "$opened" "turning to History"
for page in History Scores; do
    xdotool key F11
    expect_geometry "$screen" "F11 on $page"
    xdotool key F11
    expect_geometry "$opened" "F11 again on $page"
    [[ $page == History ]] && xdotool key alt+s
done
sleep 0.5
expect_geometry "$opened" "turning back to the rankings"
echo "one size and place for both pages, full screen and back"

# Full screen is no choice of size: the next score tables open as large as these did.
xdotool key Escape
wait_titled 0 '^Vortalex$' "the score tables stayed open"
spell_on_menu "$menu" $kStatTiles
wait_titled 1 '^Vortalex$' "STAT opened no score tables again"
stats=$(xdotool search --onlyvisible --name '^Vortalex$')
expect_geometry "$opened" "opened again"
xdotool key Escape
wait_titled 0 '^Vortalex$' "the score tables stayed open"
quit_game
echo "PASS"
