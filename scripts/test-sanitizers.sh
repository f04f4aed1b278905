#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test there, the real-window ones included. Any sanitizer report
# fails the test that met it; known reports from outside the game are listed in
# tests/sanitizers/lsan.supp. Ends with CTest's summary and the time the whole run took.
# VORTALEX_WERROR=ON in the environment makes warnings stop the build, as in build.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
started=$SECONDS
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORTALEX_SANITIZE=ON \
    -DVORTALEX_WERROR="${VORTALEX_WERROR:-OFF}"
cmake --build "$root/build-asan" --parallel "$(nproc)"
status=0
(cd "$root/build-asan" &&
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@") || status=$?
echo "Sanitizer build and tests took $((SECONDS - started)) s"
exit "$status"
