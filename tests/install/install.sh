#!/usr/bin/env bash
# Installs the game with DESTDIR under a prefix it was not built for, checks the desktop entry,
# the metainfo and every icon, then starts the installed copy where it lies (as a copy of a
# DESTDIR tree would be started) with a fresh HOME, spells HELP and expects the installed page
# to be opened, spells QUIT and expects status 0 and the player's own database, whole, in the
# data folder.
#
#   install.sh <program folder> <build folder>
set -euo pipefail

readonly kAppId=io.github.vortalex.Vortalex
readonly kPrefix=/opt/vortalex
kTools="desktop-file-validate appstreamcli identify sqlite3"

source "$(dirname "$0")/../window/lib.sh"
enter_xvfb "$0" "$@"

work=$2
build=$3
root="$work/root"
installed="$root$kPrefix"
log="$work/program.log"

DESTDIR="$root" cmake --install "$build" --prefix "$kPrefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

desktop-file-validate "$installed/share/applications/$kAppId.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$installed/share/metainfo/$kAppId.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log" >&2; fail "the metainfo does not validate"; }
icons="$installed/share/icons/hicolor"
[[ -s "$icons/scalable/apps/$kAppId.svg" ]] || fail "no scalable icon"
for size in 48 64 128 256; do
    png="$icons/${size}x${size}/apps/$kAppId.png"
    [[ -f "$png" ]] || fail "no ${size} px icon"
    [[ $(identify -format '%wx%h' "$png") == "${size}x${size}" ]] ||
        fail "the ${size} px icon is $(identify -format '%wx%h' "$png")"
done
data="$installed/share/vortalex"
for file in Dictionary.mdb NOTICE help.sh help.bat help/index.html screenshots/menu.png \
    screenshots/easy.png screenshots/review.png ../doc/vortalex/copyright \
    ../doc/vortalex/changelog.gz ../man/man6/vortalex.6.gz; do
    [[ -s "$data/$file" ]] || fail "$data/$file was not installed"
done
cues=0
for cue in "$work/bin"/*.[wW][aA][vV]; do
    [[ -s "$data/${cue##*/}" ]] || fail "the cue ${cue##*/} was not installed"
    cues=$((cues + 1))
done
((cues == 11)) || fail "the program folder holds $cues cues, not eleven"
[[ -e "$installed/bin/Dictionary.mdb" ]] && fail "a database was installed beside the program"

export HOME="$work/home"
export XDG_DATA_HOME="$HOME/data"
mkdir -p "$HOME" "$work/openers"
# An opener that only notes the page it was given: HELP must find the installed page.
printf '#!/bin/sh\necho "$1" >"%s"\n' "$work/opened" >"$work/openers/xdg-open"
chmod +x "$work/openers/xdg-open"
PATH="$work/openers:$PATH" "$installed/bin/vortalex" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
menu=$(wait_window '^A Game for the Quillaro')
sleep 0.3
spell_on_menu "$menu" $kHelpTiles
for _ in $(seq 50); do
    [[ -s "$work/opened" ]] && break
    sleep 0.1
done
[[ $(cat "$work/opened" 2>/dev/null) == "$data/help/index.html" ]] ||
    fail "HELP opened '$(cat "$work/opened" 2>/dev/null)', not $data/help/index.html"
click_at "$menu" 260 564 # Clear: HELP leaves its word on the field
sleep 1.5                # the field empties letter by letter
quit_game

database="$XDG_DATA_HOME/Vortalex/Dictionary.mdb"
[[ -f "$database" ]] || fail "no database in the player's data folder"
[[ $(sqlite3 "$database" 'PRAGMA integrity_check') == ok ]] || fail "$database is damaged"
words=$(sqlite3 "$database" 'SELECT COUNT(*) FROM tbl_Dictionary')
((words > 0)) || fail "the player's database has no words"
echo "installed into DESTDIR under $kPrefix; the player's database holds $words dictionary rows"
echo "PASS"
