#!/bin/sh
# Opens the game's help page with the desktop's opener. The game waits for this script to say
# whether help could be shown, so it ends within about a second and a half and leaves the
# opener running on its own.
#   exit 0: an opener has the page   2: the page is missing
#   3: no opener is installed        4: every opener failed at once
here=$(cd "$(dirname "$0")" && pwd)
page="$here/help/index.html"
if [ ! -f "$page" ]; then
    echo "help.sh: $page is missing" >&2
    exit 2
fi
status=3
# Steps of 0.05 s that all openers share: an opener answers once the browser has the page, or
# fails (xdg-open with no browser takes about half a second on Debian 12); one still running
# when they are spent counts as showing the page, as a browser that runs in the opener's own
# process does. Each opener gets at least a quarter second of them.
budget=30
for opener in xdg-open sensible-browser x-www-browser; do
    command -v "$opener" >/dev/null 2>&1 || continue
    # In a session of its own where setsid exists, so neither the game's end nor a Ctrl+C in the
    # terminal that started the game takes the browser with it.
    if command -v setsid >/dev/null 2>&1; then
        setsid "$opener" "$page" </dev/null >/dev/null 2>&1 &
    else
        nohup "$opener" "$page" </dev/null >/dev/null 2>&1 &
    fi
    child=$!
    [ "$budget" -ge 5 ] || budget=5
    while [ "$budget" -gt 0 ] && kill -0 "$child" 2>/dev/null; do
        sleep 0.05
        budget=$((budget - 1))
    done
    if kill -0 "$child" 2>/dev/null; then
        exit 0
    fi
    if wait "$child"; then
        exit 0
    fi
    status=4
done
if [ "$status" -eq 3 ]; then
    echo "help.sh: no program to open $page was found (install xdg-utils)" >&2
else
    echo "help.sh: no program could open $page" >&2
fi
exit "$status"
