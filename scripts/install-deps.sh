#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and only those that are
# missing, so a machine that already has them is not touched.
set -euo pipefail

# Debian's qt6-charts-dev does not pull in the OpenGL module's CMake files that its own
# CMake package asks for, hence libqt6opengl6-dev beside it.
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite qt6-qpa-plugins
    qt6-charts-dev libqt6opengl6-dev
    libsqlite3-dev libsodium-dev
    wordnet-base wamerican-large wamerican wamerican-small wbritish wbritish-large
    fonts-liberation
    xvfb xauth xdotool imagemagick x11-utils time faketime python3
    librsvg2-bin desktop-file-utils appstream sqlite3 lintian groff-base clang-format
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
