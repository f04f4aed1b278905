#!/usr/bin/env bash
# A failed Easy level in the real program, its clock sped up twenty times with libfaketime:
# register a player with START, open Easy, press Play, let the clock run out, answer
# "GAME OVER!", and on the summary's try-again question answer No. The menu must then be in
# front with no level entry that opens a board.
#
#   level_fail.sh <program folder>
set -euo pipefail

kTools=faketime
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
log="$work/program.log"
export QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER
started=$SECONDS

start_easy 20 7 "Window Tester"
# Five minutes of play are fifteen seconds here; then "GAME OVER!" waits for its OK.
summary=$(wait_past_messages 'Easy summary')
sleep 0.5
click_at "$summary" 586 411 # the try-again Exit on the review panel
sleep 0.5
xdotool key Escape # No
sleep 1
xdotool search --onlyvisible --name '^Vortalex - Easy' >/dev/null 2>&1 && fail "the board is still open"
click_at "$menu" 478 518 # Easy is closed again: nothing may open
sleep 1
if xdotool search --onlyvisible --name '^Vortalex - Easy' >/dev/null 2>&1; then
    fail "a closed level entry opened its board"
fi
kill -0 "$pid" 2>/dev/null || fail "the program ended"
echo "PASS in $((SECONDS - started)) s"
