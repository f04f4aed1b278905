#!/usr/bin/env bash
# Under a window manager (openbox), the menu takes the keyboard back whenever what was open over
# it closes, with no click: after LOAD's "Game Loaded!" is answered, after a failed Expert
# level's try-again question is answered No, and after a failed Easy level's summary is left by
# its try-again question answered No, the letters typed next spell STAT on the menu and Return
# opens the score tables. On the way, F11 shows the summary full screen and F11 again puts it
# back as it was. The clock runs forty times as fast (libfaketime).
#
#   wm_focus.sh <program folder>
set -euo pipefail

kTools="faketime python3 openbox xprop"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
log="$work/program.log"
started=$SECONDS

# Windows titled "Vortalex" are the dialogs, the score tables and the message boxes.
typed_stat_opens_the_score_tables() { # <after what>
    xdotool type --delay 40 "STAT"
    xdotool key Return
    wait_titled 1 '^Vortalex$' "after $1, STAT typed on the menu did not reach it"
    xdotool key Escape
    wait_titled 0 '^Vortalex$' "the score tables stayed open"
}

store_player "Ann" "pw" 1 1 1 1
start_window_manager
start_game 40
sleep 0.3

spell_on_menu "$menu" $kLoadTiles
wait_titled 1 '^Vortalex$' "LOAD opened no dialog"
xdotool type --delay 30 "Ann"
xdotool key Tab
xdotool type --delay 30 "pw"
xdotool key Return
wait_titled 2 '^Vortalex$' "no \"Game Loaded!\""
xdotool key Return
wait_titled 0 '^Vortalex$' "the LOAD dialog stayed open"
typed_stat_opens_the_score_tables '"Game Loaded!"'
echo "LOAD: the menu took the keys back"

click_at "$menu" 736 518 # the Expert entry
wait_window '^Vortalex - Expert' >/dev/null
sleep 0.3
xdotool key Return # Play
wait_window '^Vortalex$' 90 >/dev/null # twenty minutes later: "Do you want to try again!"
xdotool key Escape                     # No
wait_titled 0 '^Vortalex - Expert' "the Expert board stayed open"
typed_stat_opens_the_score_tables "the Expert try-again question"
echo "Expert: the menu took the keys back"

click_at "$menu" 478 518 # the Easy entry
wait_window '^Vortalex - Easy' >/dev/null
sleep 0.3
xdotool key Return # Play
summary=$(wait_past_messages 'Easy summary')
sleep 0.5
# F11 shows the summary full screen, and F11 again puts it back where and as large as it was.
where() { xdotool getwindowgeometry "$summary" | awk '/Position/ {p = $2} /Geometry/ {print p, $2}'; }
becomes() { # <place and size> <what>
    local _
    for _ in $(seq 40); do
        [[ "$(where)" == "$1" ]] && return 0
        sleep 0.1
    done
    fail "$2 ($(where))"
}
before=$(where)
xdotool key F11
becomes "0,0 1024x768" "F11 did not show the summary full screen"
xdotool key F11
becomes "$before" "F11 again did not put the summary back as it was, at $before"
echo "summary: F11 and F11 again"
click_at "$summary" 586 411 # the try-again Exit on the review panel
wait_window '^Quillaro$' 5 >/dev/null # Easy's try-again question has a title of its own
xdotool key Escape # No
wait_titled 0 '^Vortalex - Easy' "the Easy board or its summary stayed open"
typed_stat_opens_the_score_tables "the summary's try-again question"
echo "summary: the menu took the keys back"

quit_game
echo "PASS in $((SECONDS - started)) s"
