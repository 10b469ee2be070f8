#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, running and
# testing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake
    qt6-base-dev
    # the faces the window's fonts fall back on
    fonts-hosny-amiri fonts-noto-ui-core fonts-liberation2 fonts-dejavu-core
    # the real-window tests: an X server, a window manager, input and screenshots
    xvfb xauth x11-utils openbox wmctrl xdotool imagemagick
    # drawing the pictures from their sources
    librsvg2-bin python3-pil
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" = 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
