# Shared by the real-window tests; sourced, never run on its own.
#
# A test script calls enter_xvfb "$0" "$@" first: outside the virtual X server it checks the
# tools, copies the program folder to a temporary one, starts a virtual X server and runs the
# script again on it with "--inside <work folder> <the other arguments>"; inside, it returns.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Seconds since boot, for deadlines: bash's SECONDS follows the wall clock, which may be set
# forward while a test waits (a virtual machine's clock after the machine was held), ending the
# wait before its time.
uptime_s() {
    local up _
    read -r up _ </proc/uptime
    echo "${up%.*}"
}

# fail_without_window <title>: what a test that waited in vain needs to be told why.
fail_without_window() {
    echo "visible windows:" >&2
    xdotool search --onlyvisible --name '.' getwindowname %@ >&2 2>/dev/null || true
    [[ -z "${log:-}" || ! -s "$log" ]] || { echo "the program's output:" >&2; tail -n 20 "$log" >&2; }
    fail "no window '$1'"
}

# enter_xvfb <script> <program folder> [argument ...]; needs the tools in $kTools. The screen is
# 1024 x 768 unless the script sets xvfb_screen (as "1920x1080x24") first.
enter_xvfb() {
    local script=$1
    shift
    if [[ "${1:-}" == --inside ]]; then
        # The real window system, whatever the caller asked for, and no session manager to
        # hold the program up at its end.
        export QT_QPA_PLATFORM=xcb
        unset SESSION_MANAGER
        return 0
    fi
    local source_dir=${1:?usage: $script <program folder> ...}
    shift
    local tool
    for tool in Xvfb xdotool ${kTools:-}; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
    [[ -x "$source_dir/vortalex" ]] || fail "$source_dir/vortalex has not been built"
    local status=0 display= i
    # Global, not local: the EXIT trap runs where the function's variables are gone, and it must
    # end the server and remove the folder on every way out, a failure included.
    xvfb_work=$(mktemp -d)
    xvfb_server=
    trap '[[ -z "$xvfb_server" ]] || kill "$xvfb_server" 2>/dev/null; rm -rf "$xvfb_work"' EXIT
    local work=$xvfb_work
    cp -a "$source_dir/." "$work/bin"
    # The server chooses a free display itself (-displayfd) and it is this shell's own child,
    # so its end can be waited for. Choosing a number by looking for lock files, as xvfb-run
    # does, let a test's server start on the number of a server still ending, whose clean-up
    # then took the new one's socket.
    # The file exists before the server starts: the background shell opens it only later.
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-1024x768x24}" -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_server=$!
    for ((i = 0; i < 200; i++)); do
        display=$(head -n 1 "$work/display")
        [[ -n "$display" ]] && break
        kill -0 "$xvfb_server" 2>/dev/null ||
            { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
        sleep 0.05
    done
    [[ -n "$display" ]] || fail "Xvfb gave no display within 10 s"
    DISPLAY=":$display" XAUTHORITY=/dev/null bash "$script" --inside "$work" "$@" || status=$?
    kill "$xvfb_server" 2>/dev/null || true
    wait "$xvfb_server" || true
    xvfb_server=
    exit "$status"
}

# Waits for a visible window whose title matches $1 (at most $2 s, 20 by default) and prints
# its id; the program ($pid, output in $log) must stay alive meanwhile.
wait_window() {
    local id= until=$(($(uptime_s) + ${2:-20}))
    while [[ -z "$id" ]]; do
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended while waiting for '$1'"; }
        (($(uptime_s) < until)) || fail_without_window "$1"
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        [[ -n "$id" ]] || sleep 0.05
    done
    echo "$id"
}

# wait_titled <count> <title> <what>: waits (at most 5 s) until exactly <count> visible windows
# have a title matching <title>; fails saying <what> otherwise.
wait_titled() {
    local _ shown
    for _ in $(seq 100); do
        shown=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | wc -l || true)
        ((shown == $1)) && return 0
        sleep 0.05
    done
    fail "$3"
}

# expect_centred <window> <on window> <what> [pixels]: the two windows' centres come to be at
# most a pixel apart within 3 s (xwininfo; there are no frames without a window manager). On a
# loaded machine a first look has found a dialog still where Qt first put it. Under a window
# manager the frames are centred, and the windows inside them stand half a title bar apart:
# give the pixels allowed.
expect_centred() {
    local centres _ slack=$((2 * ${4:-1}))
    for _ in $(seq 30); do
        centres=$(for w in "$1" "$2"; do xwininfo -id "$w"; done | awk '
            /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
            /Width:/ { w = $2 } /Height:/ { printf "%d %d ", 2 * x + w, 2 * y + $2 }')
        read -r ax ay bx by <<<"$centres"
        ((ax - bx <= slack && bx - ax <= slack && ay - by <= slack && by - ay <= slack)) && return 0
        sleep 0.1
    done
    fail "$3 is not centred: centres $((ax / 2)),$((ay / 2)) and $((bx / 2)),$((by / 2))"
}

# click_at <window> <x> <y>: one click, well apart from the next so no two make a double-click.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}

# The menu's 5 x 5 field: tile k sits at 28 + 36 (column - 1), 396 + 36 (row - 1), 33 wide.
click_menu_tile() {
    local k=$2
    click_at "$1" $((28 + 36 * ((k - 1) % 5) + 16)) $((396 + 36 * ((k - 1) / 5) + 16))
}
spell_on_menu() { # <menu window> <tile> ... ; then Ok
    local menu=$1 k
    shift
    for k in "$@"; do
        click_menu_tile "$menu" "$k"
    done
    click_at "$menu" 260 532
}
readonly kStartTiles="12 18 24 20 25" # S T A R T, each touching the one before
readonly kQuitTiles="9 5 10 14"       # Q U I T
readonly kLoadTiles="17 11 7 3"       # L O A D
readonly kHelpTiles="8 13 17 23"      # H E L P
readonly kStatTiles="22 18 24 25"     # S T A T

# Answers each plain message box with Return until a window titled $1 shows (at most $2 s) and
# prints its id: how the end of a level's message is got past.
wait_past_messages() {
    local id= until=$(($(uptime_s) + ${2:-40}))
    while [[ -z "$id" ]]; do
        (($(uptime_s) < until)) || fail_without_window "$1"
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended"; }
        sleep 1
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        if [[ -z "$id" ]] && xdotool search --onlyvisible --name '^Vortalex$' >/dev/null 2>&1; then
            xdotool key Return
        fi
    done
    echo "$id"
}

# start_window_manager: runs openbox on the display (with its own settings, none of the user's)
# and waits until it manages windows. Sets $wm_pid. For the tests about what a window manager
# does; the others run without one, where windows stand exactly where the program puts them.
start_window_manager() {
    XDG_CONFIG_HOME="$work/wm" XDG_CACHE_HOME="$work/wm" openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    trap 'kill "$wm_pid" 2>/dev/null || true' EXIT
    local _
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$wm_pid" 2>/dev/null || { cat "$work/wm.log" >&2; fail "openbox did not start"; }
        sleep 0.05
    done
    fail "openbox did not start within 5 s"
}

# store_player <name> <password> <easy> <intermediate> <difficult> <expert>: a stored player
# with those levels open (1 or 0), the password hashed as the game stores passwords. Needs
# python3.
store_player() {
    python3 - "$work/bin/Dictionary.mdb" "$@" <<'PY'
import base64, hashlib, os, sqlite3, sys
path, name, password = sys.argv[1:4]
levels = [int(v) for v in sys.argv[4:8]]
salt = os.urandom(16)
rounds = 100000
key = hashlib.pbkdf2_hmac("sha256", password.encode(), salt, rounds, 32)
stored = "$".join(["pbkdf2-sha256", str(rounds), base64.b64encode(salt).decode(),
                   base64.b64encode(key).decode()])
db = sqlite3.connect(path)
db.execute("INSERT INTO tblUsers (fldUsername, fldPassword, fldeasy, fldintermediate,"
           " flddifficult, fldexpert) VALUES (?, ?, ?, ?, ?, ?)", [name, stored] + levels)
db.commit()
PY
}

# start_game <clock speed> [argument ...]: starts the program ($program, the program folder's
# copy by default) under libfaketime and waits for its menu. Sets $pid and $menu. The clock
# starts now, or at $clock_start (faketime's "@YYYY-MM-DD hh:mm:ss") where a test needs a date.
start_game() {
    local speed=$1
    shift
    faketime -f "${clock_start:-+0} x$speed" "${program:-$work/bin/vortalex}" "$@" >"$log" 2>&1 &
    pid=$!
    trap 'kill "$pid" ${wm_pid:-} 2>/dev/null || true' EXIT
    menu=$(wait_window '^A Game for the Quillaro')
}

# quit_game: spells QUIT and expects the program to end with status 0 within five seconds.
quit_game() {
    spell_on_menu "$menu" $kQuitTiles
    local _
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running after QUIT"
    wait "$pid" || fail "the program ended with status $?"
}

# start_easy <clock speed> <seed> <player name>: starts the program, signs a new player in with
# START, opens Easy and presses Play. Sets $pid, $menu and $board.
start_easy() {
    start_game "$1" --seed "$2"
    sleep 0.3
    play_easy_as "$3"
}

# play_easy_as <player name>: on the menu of a started program, signs a new player in with
# START, opens Easy and presses Play. Sets $board.
play_easy_as() {
    spell_on_menu "$menu" $kStartTiles
    sleep 0.5
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 0.5
    click_at "$menu" 478 518 # the Easy entry
    board=$(wait_window '^Vortalex - Easy')
    sleep 0.3
    click_at "$board" 636 60 # Play
    sleep 0.5                # the deal is done long before this
}
