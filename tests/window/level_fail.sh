#!/usr/bin/env bash
# A failed Easy level in the real program, its clock sped up twenty times with libfaketime:
# register a player with START, open Easy, press Play, let the clock run out, answer
# "GAME OVER!", look at the review panel's "Words you missed" page, the meaning of the first
# missed word and the picture of where it was on the field, and on the summary's try-again
# question answer No. The menu must then be in front with no level entry that opens a board. The
# board opens centred on the menu, the summary on the board.
#
#   level_fail.sh <program folder>
#
# With VORTALEX_SHOTS=<folder> set, the missed-words page is also saved there as
# window-missed.png, to look at.
set -euo pipefail

kTools="faketime import compare convert xwininfo"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
log="$work/program.log"
started=$SECONDS

start_easy 20 7 "Window Tester"
expect_centred "$board" "$menu" "the board"
# Five minutes of play are fifteen seconds here; then "GAME OVER!" waits for its OK.
summary=$(wait_past_messages 'Easy summary')
sleep 0.5
expect_centred "$summary" "$board" "the summary"
# The top of the panel (632 x 194 at 14, 28) changes from the three lists to the missed words,
# whose first word shows its meaning in the meanings box (255 x 152 at 229, 234) and where it
# was on the field in the picture beside it (152 x 152 at 494, 234).
import -window "$summary" -crop 632x194+14+28 "$work/lists.png"
click_at "$summary" 565 13 # the "Words you missed" tab
import -window "$summary" -crop 632x194+14+28 "$work/missed.png"
changed=$(compare -metric AE "$work/lists.png" "$work/missed.png" null: 2>&1 || true)
((${changed%%.*} > 2000)) || fail "the missed words did not show ($changed pixels)"
import -window "$summary" -crop 255x152+229+234 "$work/before.png"
import -window "$summary" -crop 152x152+494+234 "$work/field-before.png"
click_at "$summary" 100 84 # the first missed word
import -window "$summary" -crop 255x152+229+234 "$work/after.png"
import -window "$summary" -crop 152x152+494+234 "$work/field-after.png"
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
((${changed%%.*} > 200)) || fail "no meaning for the first missed word ($changed pixels)"
changed=$(compare -metric AE "$work/field-before.png" "$work/field-after.png" null: 2>&1 || true)
((${changed%%.*} > 2000)) || fail "no field picture for the first missed word ($changed pixels)"
# The word's tiles are marked in gold (the line and the numbers), which no tile face has.
gold() {
    convert "$1" -fuzz 10% -fill red -opaque 'rgb(255,214,102)' -fill black +opaque red \
        -format '%[fx:round(mean.r*w*h)]' info:
}
marks_before=$(gold "$work/field-before.png")
marks_after=$(gold "$work/field-after.png")
((marks_after > marks_before + 150)) ||
    fail "the first missed word's tiles are not marked ($marks_before, then $marks_after gold pixels)"
if [[ -n "${VORTALEX_SHOTS:-}" ]]; then
    import -window "$summary" "$VORTALEX_SHOTS/window-missed.png"
fi
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
