#!/usr/bin/env bash
# The Debian package as a distribution takes it and a player upgrades it. cpack builds it;
# lintian reports nothing; it depends on Qt Charts; its manual page renders without a warning.
# Then version 1 is installed, a player passes Easy by keyboard in the installed game and saves
# the score; a later version whose word list differs is installed over it: the player, the
# score and the total are still there and the new word list is in use; removing the package
# leaves the player's data in place. Skipped where dpkg is missing, without root, or where a
# vortalex package is already installed (a player's own is never touched).
#
#   package.sh <program folder> <build folder> <wordpaths>
set -euo pipefail

kTools="dpkg dpkg-deb cpack lintian groff sqlite3 faketime"
source "$(dirname "$0")/../window/lib.sh"
if [[ "${1:-}" != --inside ]]; then
    ((EUID == 0)) || { echo "SKIP: installing a package needs root"; exit 77; }
    if [[ $(dpkg-query -W -f='${Status}' vortalex 2>/dev/null || true) == *" installed" ]]; then
        echo "SKIP: a vortalex package is installed here already"
        exit 77
    fi
fi
enter_xvfb "$0" "$@"

work=$2
build=$3
wordpaths=$4
readonly kName="Upgrade Tester" kPassword="Pw2" kSeed=7
log="$work/program.log"
started=$SECONDS

(cd "$build" && cpack -G DEB -B "$work/v1" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
v1=$(echo "$work"/v1/vortalex_*.deb)
echo "package: ${v1##*/}, $(du -k "$v1" | cut -f1) KiB"
lintian --fail-on error,warning "$v1" 2>&1 | grep -v 'running with root' || true
lintian --fail-on error,warning "$v1" >/dev/null 2>&1 || fail "lintian reports the package"
# The libraries come through dpkg-shlibdeps; Qt Charts, which the score tables' History page
# draws with, is one the program links.
dpkg-deb -f "$v1" Depends | grep -q 'libqt6charts6' ||
    fail "the package does not depend on Qt Charts"

# The manual page, as man would render it.
dpkg-deb -x "$v1" "$work/v1/root"
page="$work/v1/root/usr/share/man/man6/vortalex.6.gz"
[[ -f "$page" ]] || fail "no manual page in section 6"
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[[ -z "$warnings" ]] || fail "the manual page renders with warnings: $warnings"

# Version 2: the same package, a later version with one word more in its list.
dpkg-deb -R "$v1" "$work/v2"
sed -i 's/^Version: .*/&+1/' "$work/v2/DEBIAN/control"
sqlite3 "$work/v2/usr/share/vortalex/Dictionary.mdb" \
    "INSERT INTO tbl_Dictionary (Word, Meaning) VALUES ('ZYXWVUT', '(n.) a word of version 2');
     UPDATE tblDictionarySource SET fldSource = fldSource || '+1'"
(cd "$work/v2" && find usr -type f -exec md5sum {} + >DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$work/v2" "$work/v2.deb" >/dev/null

remove() { apt-get remove -y -q vortalex >/dev/null 2>&1 || dpkg -r vortalex >/dev/null 2>&1 || true; }
trap remove EXIT
dpkg -i "$v1" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i of version 1"; }
[[ -x /usr/games/vortalex ]] || fail "the program is not in /usr/games"

export HOME="$work/home" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"
database="$XDG_DATA_HOME/Vortalex/Dictionary.mdb"
program=/usr/games/vortalex # what start_game runs
"$wordpaths" spell "$work/bin/Dictionary.mdb" "$kSeed" 0 5000 >"$work/words.txt" ||
    fail "no words for seed $kSeed"
start_easy 10 "$kSeed" "$kName"
trap 'kill "$pid" 2>/dev/null || true; remove' EXIT
while read -r word; do
    xdotool type --delay 30 "${word,,}"
    xdotool key Return
    sleep 0.2
done <"$work/words.txt"
summary=$(wait_past_messages 'Easy summary' 60)
sleep 0.5
xdotool key Tab
xdotool type --delay 20 "$kPassword"
xdotool key alt+s
wait_titled 1 '^Vortalex$' "no save message"
xdotool key Return # Scores Successfuly Updated!
sleep 0.3
xdotool key alt+d
sleep 0.3
click_at "$summary" 586 411 # the go-on Exit
next=$(wait_window '^Vortalex - Intermediate')
click_at "$next" 690 553 # Quit Game
sleep 0.5
quit_game
kept() { sqlite3 "$database" "SELECT * FROM tblUsers; SELECT * FROM tblEasyScores;
                               SELECT * FROM total"; }
before=$(kept)
grep -q "$kName" <<<"$before" || fail "the score was not saved"

dpkg -i "$work/v2.deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i of version 2"; }
start_game 1
sleep 1
quit_game
[[ $(kept) == "$before" ]] || fail "the upgrade changed the player's rows: $(kept)"
[[ $(sqlite3 "$database" "SELECT COUNT(*) FROM tbl_Dictionary WHERE Word = 'ZYXWVUT'") == 1 ]] ||
    fail "the player's database did not take the new word list"

remove
[[ ! -e /usr/games/vortalex ]] || fail "the package was not removed"
[[ $(kept) == "$before" ]] || fail "removing the package touched the player's data"
echo "PASS in $((SECONDS - started)) s"
