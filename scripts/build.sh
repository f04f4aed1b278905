#!/usr/bin/env bash
# Configures and builds the game into build/ (the program folder is build/bin). Warnings stop the
# build only when VORTALEX_WERROR=ON is in the environment, as .ci/run sets it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORTALEX_WERROR="${VORTALEX_WERROR:-OFF}"
cmake --build "$root/build" --parallel "$(nproc)"
