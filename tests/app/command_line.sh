#!/usr/bin/env bash
# --help and --version answer in a terminal without a display, whether the window system is
# left to Qt's choice or asked for by name: status 0 and the usage text or the version line.
#
#   command_line.sh <program>
set -uo pipefail

program=${1:?usage: command_line.sh <program>}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for platform in "" xcb; do
    run() { # <argument>: the program's output, with no display and the platform above
        if [[ -z "$platform" ]]; then
            env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$1" 2>&1
        else
            env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$program" "$1" 2>&1
        fi
    }
    for option in --help -h; do
        out=$(run "$option") || fail "$option (platform '$platform') ended with status $?: $out"
        [[ "$out" == *"Usage: vortalex [options]"*"--seed <n>"* ]] ||
            fail "$option (platform '$platform') printed no usage: $out"
    done
    for option in --version -v; do
        out=$(run "$option") || fail "$option (platform '$platform') ended with status $?: $out"
        [[ "$out" =~ ^Vortalex\ [0-9]+\.[0-9]+ ]] ||
            fail "$option (platform '$platform') printed no version: $out"
    done
done
echo "PASS"
