#!/usr/bin/env bash
# A passed Easy level in the real program, its clock sped up ten times with libfaketime. The
# deals of "--seed 7" are replayed by wordpaths, which names real words on the field; the test
# registers a player, builds those words until the target is met, lets the clock run out,
# saves the score under another name with a password (the name box must still hold that name
# after the message), opens the review panel, selects a built word and checks that the
# meanings box changed, goes on to Intermediate, leaves, and QUITs. The database must then hold
# the score and the total under the typed name and rank it first overall; a second run LOADs
# that name with that password, after which the Intermediate entry opens its board.
#
#   level_pass.sh <program folder> <wordpaths>
#
# With VORTALEX_SHOTS=<folder> set, the summary as it opens and the review panel with the first
# built word selected are also saved there as window-passed.png and window-built.png.
set -euo pipefail

kTools="faketime import compare"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
wordpaths=$3
readonly kName="Window Tester"
readonly kSaver="Window Saver" # saved under this name, not the signed-in one
readonly kSeed=7
log="$work/program.log"
started=$SECONDS

paths="$work/paths.txt"
"$wordpaths" play "$work/bin/Dictionary.mdb" "$kSeed" 0 5000 >"$paths" ||
    fail "no words for seed $kSeed"

start_easy 10 "$kSeed" "$kName"

# Easy's 5 x 5 field: tile k at 164 + 52 (column - 1), 157 + 52 (row - 1), 50 wide. Tiles of
# a word are clicked quickly (they are apart, so no two make a double-click); the last one is
# double-clicked to submit.
tile_xy() { echo "$((164 + 52 * (($1 - 1) % 5) + 25)) $((157 + 52 * (($1 - 1) / 5) + 25))"; }
words=0
last=0
while read -r -a tiles; do
    # A word that starts where the last one ended waits out the double-click time first.
    ((tiles[0] != last)) || sleep 0.5
    last=${tiles[-1]}
    # One xdotool call a word: single clicks on all tiles but the last, a double-click on it.
    steps=()
    for t in "${tiles[@]::${#tiles[@]}-1}"; do
        steps+=(mousemove --window "$board" $(tile_xy "$t") click 1)
    done
    xdotool "${steps[@]}" mousemove --window "$board" $(tile_xy "$last") click --repeat 2 --delay 40 1
    sleep 0.1
    words=$((words + 1))
done <"$paths"
echo "built $words words in $((SECONDS - started)) s"

summary=$(wait_past_messages 'Easy summary' 60) # past "CONGRATULATIONS!!"
sleep 0.5
if [[ -n "${VORTALEX_SHOTS:-}" ]]; then
    import -window "$summary" "$VORTALEX_SHOTS/window-passed.png"
fi
xdotool key ctrl+a                 # the signed-in name in the name box
xdotool type --delay 20 "$kSaver"
xdotool key Tab                    # from the name box to the password
xdotool type --delay 20 "Pw1"
import -window "$summary" -crop 420x26+223+180 "$work/name.png"
click_at "$summary" 281 370         # &Save Score
sleep 0.5
xdotool search --onlyvisible --name '^Vortalex$' >/dev/null 2>&1 || fail "no save message"
xdotool key Return                 # Scores Successfuly Updated!
sleep 0.5
import -window "$summary" -crop 420x26+223+180 "$work/name-after.png"
changed=$(compare -metric AE "$work/name.png" "$work/name-after.png" null: 2>&1 || true)
((${changed%%.*} < 60)) || fail "the name box changed after the message ($changed pixels)"
click_at "$summary" 281 410         # &Done: the review panel
sleep 0.5
# The meanings box (255 x 152 at 229, 234) must change when a built word is selected.
import -window "$summary" -crop 255x152+229+234 "$work/before.png"
click_at "$summary" 100 61         # the first built word, left of the meanings box
import -window "$summary" -crop 255x152+229+234 "$work/after.png"
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
((${changed%%.*} > 200)) || fail "the meanings box did not change ($changed pixels)"
if [[ -n "${VORTALEX_SHOTS:-}" ]]; then
    import -window "$summary" "$VORTALEX_SHOTS/window-built.png"
fi
click_at "$summary" 586 411        # the go-on Exit
next=$(wait_window '^Vortalex - Intermediate')
click_at "$next" 690 553           # Quit Game
sleep 0.5
quit_game

saved=$("$wordpaths" saved "$work/bin/Dictionary.mdb" 0 "$kSaver" pw1)
echo "$saved"
score=$(awk '/^score/ {print $2}' <<<"$saved")
[[ "$score" =~ ^[0-9]+$ ]] && ((score >= 5000)) || fail "no passing Easy score saved"
grep -qx "total $score" <<<"$saved" || fail "the total is not the Easy score"
grep -qx "first $kSaver" <<<"$saved" || fail "the overall ranking does not show the player first"
grep -qx "load found" <<<"$saved" || fail "LOAD does not find the player with the saved password"

# A new run: only LOAD can open Intermediate now.
start_game 8
sleep 0.3
spell_on_menu "$menu" $kLoadTiles
sleep 0.5
xdotool type --delay 20 "$kSaver"
xdotool key Tab
xdotool type --delay 20 "PW1" # the password test ignores letter case
xdotool key Return
# The LOAD dialog and its message both carry the game's title; the check may take a while.
wait_titled 2 '^Vortalex$' "no LOAD message"
xdotool key Return # Game Loaded!
wait_titled 0 '^Vortalex$' "the LOAD dialog stayed open"
click_at "$menu" 564 518 # the Intermediate entry
next=$(wait_window '^Vortalex - Intermediate' 5)
click_at "$next" 690 553 # Quit Game
sleep 0.5
quit_game
echo "PASS in $((SECONDS - started)) s"
