#!/usr/bin/env bash
# The speaker control with real keys: Ctrl+M on the menu switches the sound off (its picture
# changes) while a plain letter still spells; the next start of the program opens muted; on a
# board Ctrl+M switches it on again, typing nothing, while a plain letter still builds the word;
# the start after that opens with sound on. Set VORTALEX_SHOTS to a folder to keep the
# screenshots.
#
#   mute.sh <program folder> <wordpaths>
set -euo pipefail

kTools="faketime import compare"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
wordpaths=$3
readonly kSeed=7
log="$work/program.log"
shots=${VORTALEX_SHOTS:-$work}
started=$SECONDS

word=$("$wordpaths" spell "$work/bin/Dictionary.mdb" "$kSeed" 0 1 | head -n 1)
[[ -n "$word" ]] || fail "no word for seed $kSeed"

# The menu's speaker (32 x 32 at 752, 18) and command word (200 x 34 at 112, 352), the Easy
# board's speaker (26 x 26 at 751, 86) and word formed (185 x 34 at 592, 180).
menu_speaker() { import -window "$menu" -crop 32x32+752+18 "$shots/$1.png"; }
command_word() { import -window "$menu" -crop 200x34+112+352 "$shots/$1.png"; }
board_speaker() { import -window "$board" -crop 26x26+751+86 "$shots/$1.png"; }
word_formed() { import -window "$board" -crop 185x34+592+180 "$shots/$1.png"; }
differ() { # <shot> <shot>: the number of differing pixels
    local n
    n=$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true)
    echo "${n%%.*}"
}
focus_menu() {
    xdotool windowfocus --sync "$menu"
    sleep 0.3
}

start_game 1
focus_menu
menu_speaker sound-on
xdotool key ctrl+m
sleep 0.5
menu_speaker muted
(($(differ sound-on muted) > 40)) || fail "Ctrl+M did not switch the menu's speaker"
command_word no-command
xdotool type --delay 80 q
sleep 0.3
command_word q-typed
(($(differ no-command q-typed) > 30)) || fail "a plain letter did not spell on the menu"
xdotool key Escape
sleep 0.3
quit_game

# As start_easy, with a look at the menu before the board covers it.
start_game 1 --seed "$kSeed"
focus_menu
menu_speaker muted-again
(($(differ muted muted-again) < 10)) || fail "the next start forgot the muted sound"
play_easy_as "Mute Tester"
board_speaker board-muted
word_formed word-before
xdotool windowfocus --sync "$board"
sleep 0.3
xdotool key ctrl+m
sleep 0.5
board_speaker board-sound-on
(($(differ board-muted board-sound-on) > 30)) || fail "Ctrl+M did not switch the board's speaker"
word_formed word-after-ctrl-m
(($(differ word-before word-after-ctrl-m) < 10)) || fail "Ctrl+M typed on the board"
xdotool type --delay 80 "${word:0:1}"
sleep 0.3
word_formed word-typed
(($(differ word-before word-typed) > 30)) || fail "a plain letter did not reach the board's field"
click_at "$board" 690 553 # Quit Game
sleep 0.5
quit_game

start_game 1
focus_menu # as before the first look: the menu has painted itself whole
menu_speaker sound-on-again
(($(differ sound-on sound-on-again) < 10)) || fail "the next start forgot the sound switched on"
quit_game
echo "PASS in $((SECONDS - started)) s"
