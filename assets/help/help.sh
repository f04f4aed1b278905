#!/bin/sh
# Opens the game's help page with the desktop's opener and returns at once; the game does not
# wait for the page.
here=$(cd "$(dirname "$0")" && pwd)
page="$here/help/index.html"
if [ ! -f "$page" ]; then
    echo "help.sh: $page is missing" >&2
    exit 1
fi
for opener in xdg-open sensible-browser x-www-browser; do
    if command -v "$opener" >/dev/null 2>&1; then
        nohup "$opener" "$page" >/dev/null 2>&1 &
        exit 0
    fi
done
echo "help.sh: no program to open $page was found (install xdg-utils)" >&2
exit 1
