#!/usr/bin/env bash
# Today's field in the real program, its clock pinned to a date and sped up twenty times with
# libfaketime, so that the field is the same at every run: a guest opens it from the menu's
# control, builds a word that wordpaths finds on that date's field, lets the clock run out,
# goes through the summary (Done, then the review panel's Exit) back to the menu and QUITs.
# The database must then hold the guest's result of that date in tblDailyResults.
#
#   todays_field.sh <program folder> <wordpaths>
set -euo pipefail

kTools="faketime sqlite3"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
wordpaths=$3
readonly kDay=2026-12-10
log="$work/program.log"
started=$SECONDS

read -r -a tiles < <("$wordpaths" day "$work/bin/Dictionary.mdb" "$kDay" 1)
((${#tiles[@]} >= 3)) || fail "no word on the field of $kDay"

clock_start="@$kDay 10:00:00" start_game 20
sleep 0.3
click_at "$menu" 695 418 # Today's field, above the level chooser
board=$(wait_window "^Vortalex - Today's field, $kDay" 10)
sleep 0.3
click_at "$board" 636 60 # Play
sleep 0.5                # the deal is done long before this

# The day's field stands where Easy's does: tile k at 164 + 52 (column - 1), 157 + 52 (row - 1),
# 50 wide. Single clicks on all tiles but the last, a double-click on it to submit.
tile_xy() { echo "$((164 + 52 * (($1 - 1) % 5) + 25)) $((157 + 52 * (($1 - 1) / 5) + 25))"; }
steps=()
for t in "${tiles[@]::${#tiles[@]}-1}"; do
    steps+=(mousemove --window "$board" $(tile_xy "$t") click 1)
done
xdotool "${steps[@]}" mousemove --window "$board" $(tile_xy "${tiles[-1]}") click --repeat 2 --delay 40 1

# Three minutes at twenty times: nine seconds, and no message before the summary.
summary=$(wait_window "^Vortalex - Today's field summary" 30)
sleep 0.5
click_at "$summary" 281 410 # &Done: the review panel
click_at "$summary" 586 411 # the go-on Exit: the menu
wait_titled 0 "Today's field" "the day's board or summary stayed open"
quit_game

row=$(sqlite3 "$work/bin/Dictionary.mdb" \
    "SELECT fldDate, fldUsername, fldWordsBuilt, fldScore > 0 FROM tblDailyResults")
echo "$row"
[[ "$row" == "$kDay||1|1" ]] || fail "no result of $kDay with one word for the guest: '$row'"
echo "PASS in $((SECONDS - started)) s"
