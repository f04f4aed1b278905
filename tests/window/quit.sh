#!/usr/bin/env bash
# The real program in a real (virtual) X session: copy the program folder, start the game,
# wait for the menu, spell QUIT on its tiles, press Ok and expect the program to end within
# two seconds with status 0. Also prints how long the menu took beyond the splash's 3000 ms
# and the peak memory of the run.
#
# With --hung-sound-server the sound server is one that accepts the connection and never
# answers: the clicks' cues leave the sound thread stuck in the multimedia library, and the
# program must still end in time, its database closed cleanly.
#
#   quit.sh <program folder> [--hung-sound-server]
set -euo pipefail

readonly kTitle='^A Game for the Quillaro'
readonly kSplashMs=3000

source "$(dirname "$0")/lib.sh"
enter_xvfb "$0" "$@"

work=$2
hung_sound=${3:-}
program="$work/bin/vortalex"
log="$work/program.log"
usage="$work/usage.txt"

server=
if [[ "$hung_sound" == --hung-sound-server ]]; then
    command -v python3 >/dev/null || { echo "SKIP: python3 is not installed"; exit 77; }
    socket="$work/pulse.socket"
    python3 "$(dirname "$0")/hung_sound_server.py" "$socket" >"$work/server.log" &
    server=$!
    for _ in $(seq 100); do
        [[ -S "$socket" ]] && break
        sleep 0.05
    done
    [[ -S "$socket" ]] || fail "the hung sound server did not start"
    export PULSE_SERVER="unix:$socket"
fi

# From the time since boot, as the waits in lib.sh: the wall clock may be set forward meanwhile.
now_ms() {
    local up _
    read -r up _ </proc/uptime
    echo $((10#${up/./} * 10))
}

# In write-ahead-log mode only a connection closed cleanly removes its -wal file, so the check at
# the end can tell a closed database from one the process merely left behind.
if command -v python3 >/dev/null; then
    python3 -c 'import sqlite3, sys; sqlite3.connect(sys.argv[1]).execute("PRAGMA journal_mode=WAL")' \
        "$work/bin/Dictionary.mdb"
fi

started=$(now_ms)
if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -v -o "$usage" "$program" >"$log" 2>&1 &
else
    "$program" >"$log" 2>&1 &
fi
pid=$!
cleanup() {
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
    fi
    [[ -z "$server" ]] || kill "$server" 2>/dev/null || true
}
trap cleanup EXIT

window=
while [[ -z "$window" ]]; do
    kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended before its menu showed"; }
    (($(now_ms) - started < 20000)) || fail "no menu window within 20 s"
    window=$(xdotool search --onlyvisible --name "$kTitle" 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] || sleep 0.01
done
shown=$(now_ms)
echo "menu shown $((shown - started)) ms after start: $((shown - started - kSplashMs)) ms beyond the splash"

sleep 0.3
for tile in $kQuitTiles; do
    click_menu_tile "$window" "$tile"
done
xdotool mousemove --window "$window" 260 532 click 1 # Ok
pressed=$(now_ms)

while kill -0 "$pid" 2>/dev/null; do
    (($(now_ms) - pressed < 2000)) || { cat "$log" >&2; fail "still running 2 s after QUIT"; }
    sleep 0.01
done
status=0
wait "$pid" || status=$?
echo "ended $(($(now_ms) - pressed)) ms after Ok with status $status"
if [[ -f "$usage" ]]; then
    grep -E 'Maximum resident set size' "$usage" | sed 's/^\s*/peak memory: /'
fi
((status == 0)) || { cat "$log" >&2; fail "exit status $status, expected 0"; }
if [[ -n "$server" ]]; then
    # The tile clicks must really have reached the hung server, or this proves nothing.
    grep -q connected "$work/server.log" || fail "the program never connected to the sound server"
fi
# Closed cleanly: no journal or log left behind, and the file is whole.
[[ ! -e "$work/bin/Dictionary.mdb-journal" ]] || fail "the database was left with a hot journal"
if command -v python3 >/dev/null; then
    [[ ! -e "$work/bin/Dictionary.mdb-wal" ]] || fail "the database was never closed"
    python3 - "$work/bin/Dictionary.mdb" <<'PY' || fail "the database is damaged"
import sqlite3, sys
result = sqlite3.connect(sys.argv[1]).execute("PRAGMA integrity_check").fetchone()[0]
sys.exit(0 if result == "ok" else 1)
PY
fi
echo "PASS"
