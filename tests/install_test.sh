#!/usr/bin/env bash
# Installs into a temporary prefix and checks what the desktop gets.
set -uo pipefail
build=$1
. "$(dirname "$0")/lib/checks.sh"
id=example.fruits.FruitTraits
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "install failed"; exit 1; }

check "the program" test -x "$prefix/bin/fruit-traits"
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg; do
    check "$f" test -s "$prefix/$f"
done
for size in 16 32 48; do
    check "${size}px icon" [ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ]
done
desktop=$prefix/share/applications/$id.desktop
check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "Arabic name is the window's title" grep -qx "Name\[ar\]=$title" "$desktop"
check "icon by the id" grep -qx "Icon=$id" "$desktop"
check "runs the installed program" grep -qx "Exec=fruit-traits" "$desktop"
check "metainfo names the desktop file" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml"
finish
