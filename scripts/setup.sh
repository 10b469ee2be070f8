#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, running and
# testing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake libfontconfig-dev
    qt6-base-dev
    # the faces the window's fonts fall back on
    fonts-hosny-amiri fonts-noto-ui-core fonts-liberation2 fonts-dejavu-core
    # the real-window tests: an X server, a window manager, input and screenshots
    xvfb xauth x11-utils openbox wmctrl xdotool imagemagick
    # drawing the pictures from their sources
    librsvg2-bin python3-pil
    # checking the installed files, the Debian package, the hardening, locales
    desktop-file-utils appstream lintian devscripts locales
    # the native Windows executable: cross-compiler, wine, a PE reader
    g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 python3-pefile
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" = 0 ] || sudo=(sudo)
    # wine32 is an i386 package
    dpkg --print-foreign-architectures | grep -qx i386 || "${sudo[@]}" dpkg --add-architecture i386
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The Windows executable first: the Linux build's tests read it.
cmake --preset windows-i686
cmake --build --preset windows-i686 -j"$(nproc)"
cmake --preset linux -DFRUIT_TRAITS_WIN32_EXE="$PWD/build-win32/app/win32/fruit-traits.exe"
cmake --build --preset linux -j"$(nproc)"
