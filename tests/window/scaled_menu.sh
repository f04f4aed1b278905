#!/usr/bin/env bash
# Under the openbox window manager on a 1920 x 1080 screen, the frameless menu enlarged to one
# and a half times with Ctrl++ and Ctrl+=, START spelled by clicking the enlarged tiles, the
# registration answered, and Easy opened from its enlarged entry: the board opens at the scale
# the menu was given, and so does the next run's menu. F11 makes the board full screen and F11
# again gives it back its size, twice over.
#
#   scaled_menu.sh <program folder>
set -euo pipefail

kTools="faketime xwininfo openbox xprop"
xvfb_screen=1920x1080x24 # the enlarged menu is 1200 x 900
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
log="$work/program.log"

size_of() { # <window>: "<width>x<height>"
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { print w "x" $2 }'
}
expect_size() { # <window> <size> <what>, within 3 s
    local _
    for _ in $(seq 30); do
        [[ $(size_of "$1") == "$2" ]] && return 0
        sleep 0.1
    done
    fail "$3 is $(size_of "$1"), not $2"
}
# Clicks at a place of the design size, on the window at one and a half times.
click_scaled() { # <window> <x> <y>
    click_at "$1" $(($2 * 3 / 2)) $(($3 * 3 / 2))
}
spell_scaled() { # <menu> <tile> ...; then Ok
    local menu=$1 k
    shift
    for k in "$@"; do
        click_scaled "$menu" $((28 + 36 * ((k - 1) % 5) + 16)) $((396 + 36 * ((k - 1) / 5) + 16))
    done
    click_scaled "$menu" 260 532
}
ended_within() { # <seconds>: the program has ended with status 0
    local _
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running after QUIT"
    wait "$pid" || fail "the program ended with status $?"
}

start_window_manager
start_game 4
expect_size "$menu" 800x600 "the menu at first"
click_at "$menu" 400 40 # the keys go to the menu
xdotool key ctrl+plus
xdotool key ctrl+equal
expect_size "$menu" 1200x900 "the menu after two steps up"

spell_scaled "$menu" $kStartTiles
wait_titled 1 '^Vortalex$' "START on the enlarged tiles opened no registration"
xdotool type --delay 20 "Scaled Player"
xdotool key Return
wait_titled 0 '^Vortalex$' "the registration did not close"

click_scaled "$menu" 478 518 # the Easy entry
board=$(wait_window '^Vortalex - Easy')
expect_size "$board" 1181x870 "the Easy board" # 787 x 580 at one and a half times
for round in 1 2; do
    xdotool key F11
    expect_size "$board" 1920x1080 "the board after F11 ($round)"
    sleep 0.5 # the window manager's frame comes and goes meanwhile
    xdotool key F11
    expect_size "$board" 1181x870 "the board after F11 again ($round)"
    sleep 0.5
done
click_scaled "$board" 684 547 # "Quit Game", nothing played
wait_titled 0 '^Vortalex - Easy' "Quit Game on the enlarged board did not close it"
spell_scaled "$menu" $kQuitTiles
ended_within 5
echo "the menu, its START, registration and Easy at one and a half times"

start_game 4
expect_size "$menu" 1200x900 "the next run's menu"
spell_scaled "$menu" $kQuitTiles
ended_within 5
echo "PASS"
