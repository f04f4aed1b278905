#!/usr/bin/env bash
# After a message box closes over the registration or the LOAD dialog, the keys the player
# types go to the dialog's text box again, in a real (virtual) X session without a window
# manager to hand the focus back. Registration: Return on an empty name, Return to close the
# box, type a name and Return: the dialog closes; the START before it follows a cancelled one at
# once, before the menu's demo has ticked again, and it opens centred on the menu, as the score
# tables of STAT do. LOAD: Return on an empty name ("not found"),
# Return, type a stored name, Tab, its password and Return: "Game Loaded!" shows.
#
#   dialog_focus.sh <program folder>
set -euo pipefail

kTools="python3 xwininfo"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
log="$work/program.log"

# A stored player "Ann" with the password "pw", hashed as the game stores passwords.
python3 - "$work/bin/Dictionary.mdb" <<'PY'
import base64, hashlib, os, sqlite3, sys
salt = os.urandom(16)
rounds = 100000
key = hashlib.pbkdf2_hmac("sha256", b"pw", salt, rounds, 32)
stored = "$".join(["pbkdf2-sha256", str(rounds), base64.b64encode(salt).decode(),
                   base64.b64encode(key).decode()])
db = sqlite3.connect(sys.argv[1])
db.execute("INSERT INTO tblUsers (fldUsername, fldPassword, fldeasy) VALUES ('Ann', ?, 1)",
           (stored,))
db.commit()
PY

wait_boxes() { # <count> <what>: windows titled "Vortalex" are dialogs and message boxes
    wait_titled "$1" '^Vortalex$' "$2"
}

start_game 1
sleep 0.3

spell_on_menu "$menu" $kStartTiles
wait_boxes 1 "START opened no registration dialog"
xdotool key Escape
spell_on_menu "$menu" $kStartTiles
wait_boxes 1 "START opened no registration dialog"
expect_centred "$(xdotool search --onlyvisible --name '^Vortalex$')" "$menu" "registration"
xdotool key Return
wait_boxes 2 "START was refused after a cancelled one, or an empty name was not answered"
xdotool key Return
wait_boxes 1 "the message did not close"
xdotool type --delay 30 "Bea"
xdotool key Return
wait_boxes 0 "the name typed after the message did not reach the registration dialog"
echo "registration: typing reached the name box after the message"

spell_on_menu "$menu" $kStatTiles
wait_boxes 1 "STAT opened no score tables"
expect_centred "$(xdotool search --onlyvisible --name '^Vortalex$')" "$menu" "the score tables"
xdotool key Escape
wait_boxes 0 "the score tables stayed open"

spell_on_menu "$menu" $kLoadTiles
wait_boxes 1 "LOAD opened no dialog"
xdotool key Return
wait_boxes 2 "an empty name was not answered with a message"
xdotool key Return
wait_boxes 1 "the message did not close"
xdotool type --delay 30 "Ann"
xdotool key Tab
xdotool type --delay 30 "pw"
xdotool key Return
wait_boxes 2 "the name typed after the message did not reach the LOAD dialog"
xdotool key Return
wait_boxes 0 "the LOAD dialog stayed open"
echo "LOAD: typing reached the name box after the message"

quit_game
echo "PASS"
