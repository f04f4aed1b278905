#!/usr/bin/env bash
# A failed Easy level in the real program, its clock sped up twenty times with libfaketime:
# register a player with START, open Easy, press Play, let the clock run out, answer
# "GAME OVER!", and on the summary's try-again question answer No. The menu must then be in
# front with no level entry that opens a board.
#
#   level_fail.sh <program folder>
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [[ "${1:-}" != --inside ]]; then
    source_dir=${1:?usage: level_fail.sh <program folder>}
    for tool in xvfb-run xdotool faketime; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
    [[ -x "$source_dir/vortalex" ]] || fail "$source_dir/vortalex has not been built"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -a "$source_dir/." "$work/bin"
    status=0
    xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" --inside "$work" || status=$?
    exit "$status"
fi

work=$2
log="$work/program.log"
export QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER
started=$SECONDS

faketime -f '+0 x20' "$work/bin/vortalex" --seed 7 >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# Waits for a visible window whose title matches $1 and prints its id.
wait_window() {
    local id= until=$((SECONDS + ${2:-20}))
    while [[ -z "$id" ]]; do
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended while waiting for '$1'"; }
        ((SECONDS < until)) || fail "no window '$1'"
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        [[ -n "$id" ]] || sleep 0.05
    done
    echo "$id"
}
click_at() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4 # apart, so no two clicks make a double-click
}

menu=$(wait_window '^A Game for the Quillaro')
sleep 0.3
for k in 12 18 24 20 25; do # S T A R T, each touching the one before
    click_at "$menu" $((28 + 36 * ((k - 1) % 5) + 16)) $((396 + 36 * ((k - 1) / 5) + 16))
done
click_at "$menu" 260 532 # Ok
sleep 0.5
xdotool type --delay 20 "Window Tester"
xdotool key Return
sleep 0.5
click_at "$menu" 478 518 # the Easy entry
board=$(wait_window '^Vortalex - Easy')
sleep 0.3
click_at "$board" 636 60 # Play
# Five minutes of play are fifteen seconds here; then "GAME OVER!" waits for its OK.
summary=
until=$((SECONDS + 40))
while [[ -z "$summary" ]]; do
    ((SECONDS < until)) || fail "no summary after the level"
    kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended during the level"; }
    sleep 1
    summary=$(xdotool search --onlyvisible --name 'Easy summary' 2>/dev/null | tail -n 1 || true)
    if [[ -z "$summary" ]] && xdotool search --onlyvisible --name '^Vortalex$' >/dev/null 2>&1; then
        xdotool key Return
    fi
done
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
