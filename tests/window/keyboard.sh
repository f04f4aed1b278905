#!/usr/bin/env bash
# Keyboard play and the self-pausing board in the real program: register a player, open Easy
# and press Play with the mouse, then, by keyboard only, submit a one-letter word (its message
# is closed with Return and must not leave the board paused), type a real word of the field
# that "--seed 7" deals (named by wordpaths) and submit it with Return (the score panel must
# change). Then another program takes the focus: the board must pause by itself (the tray
# shows its "Paused" sign instead of the tiles), stay paused when the focus comes back, and go
# on with Space. Set VORTALEX_SHOTS to a folder to keep the screenshots.
#
#   keyboard.sh <program folder> <wordpaths>
set -euo pipefail

kTools="faketime import compare xmessage"
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

start_easy 1 "$kSeed" "Key Tester"

# The Easy tray (five 50-pixel tiles 52 apart from 164, 157) and the score rows beside it.
tray() { import -window "$board" -crop 262x262+162+155 "$shots/$1.png"; }
scores() { import -window "$board" -crop 185x110+592+248 "$shots/$1.png"; }
differ() { # <shot> <shot>: the number of differing pixels
    local n
    n=$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true)
    echo "${n%%.*}"
}

tray dealt
scores scores-before

# A one-letter word is refused with a message; Return closes it and the clock goes on.
xdotool type --delay 80 "${word:0:1}"
xdotool key Return
wait_window '^Word Not Found$' 5 >/dev/null
xdotool key Return
sleep 1
tray after-message
(($(differ dealt after-message) < 50)) || fail "the board did not come back from its message"

xdotool type --delay 80 "${word,,}"
sleep 0.3
import -window "$board" "$shots/typed.png"
xdotool key Return
sleep 1.5 # the banner slides away
scores scores-after
(($(differ scores-before scores-after) > 100)) || fail "typing $word and Return scored nothing"
import -window "$board" "$shots/scored.png"

# Another program takes the focus. With no window manager here, the board is given the focus
# first, as a window manager gives it to the window clicked last.
xdotool windowfocus --sync "$board"
sleep 0.5
tray running
xmessage -geometry +700+650 "another program" &
other=$!
other_window=$(wait_window '^xmessage$' 5)
xdotool windowfocus --sync "$other_window"
sleep 1
tray paused
import -window root "$shots/paused-screen.png"
(($(differ running paused) > 2000)) || fail "the board did not pause when it lost the focus"
kill "$other" 2>/dev/null || true
xdotool windowfocus --sync "$board"
sleep 1.5
tray still-paused
(($(differ paused still-paused) < 50)) || fail "the board resumed by itself"
xdotool key space
sleep 0.5
tray resumed
(($(differ paused resumed) > 2000)) || fail "Space did not resume the board"

click_at "$board" 690 553 # Quit Game
sleep 0.5
quit_game
echo "PASS in $((SECONDS - started)) s"
