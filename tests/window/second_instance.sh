#!/usr/bin/env bash
# One running game per database, in a real (virtual) X session: while a first game runs, with a
# rejected word of its level in tblWrong, a second start on the same program folder shows a
# message box instead of its menu and ends once the box is answered; the first game's rejected
# word is still there and the first game still quits cleanly.
#
#   second_instance.sh <program folder>
set -euo pipefail

kTools="python3"
source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
database="$work/bin/Dictionary.mdb"
log="$work/first.log"

sql() { # <statement>: runs it on the game's database and prints the first column of each row
    python3 - "$database" "$1" <<'PY'
import sqlite3, sys
connection = sqlite3.connect(sys.argv[1], timeout=10)
for row in connection.execute(sys.argv[2]):
    print(row[0])
connection.commit()
PY
}

start_game 1
# As if the first game's board had just rejected a word.
sql "INSERT INTO tblWrong (WrongWord) VALUES ('QWZ')"

"$work/bin/vortalex" >"$work/second.log" 2>&1 &
second=$!
box=
for _ in $(seq 200); do
    kill -0 "$second" 2>/dev/null || break
    box=$(xdotool search --all --onlyvisible --pid "$second" --name '^Vortalex$' 2>/dev/null | head -n 1 || true)
    [[ -n "$box" ]] && break
    sleep 0.05
done
if [[ -z "$box" ]]; then
    kill "$second" 2>/dev/null || true
    cat "$work/second.log" >&2
    fail "the second start showed no message box"
fi
# Well past the splash's 3 s: the second start must not have reached its menu meanwhile.
sleep 4
[[ -z "$(xdotool search --all --onlyvisible --pid "$second" --name '^A Game for the Quillaro' 2>/dev/null || true)" ]] ||
    fail "the second start opened a menu of its own"
[[ "$(sql 'SELECT WrongWord FROM tblWrong')" == QWZ ]] ||
    fail "the second start emptied the first game's rejected words"

xdotool windowfocus --sync "$box" key Return
for _ in $(seq 100); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$second" 2>/dev/null && fail "the second start did not end after its message"
status=0
wait "$second" || status=$?
((status == 1)) || fail "the second start ended with status $status, expected 1"
echo "second start turned away with status $status"

kill -0 "$pid" 2>/dev/null || fail "the first game ended"
[[ "$(sql 'SELECT WrongWord FROM tblWrong')" == QWZ ]] || fail "the rejected word is gone"
quit_game
echo "PASS"
