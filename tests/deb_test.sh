#!/usr/bin/env bash
# Builds the Debian package and checks its dependencies, files and lint.
set -uo pipefail
build=$1
. "$(dirname "$0")/lib/checks.sh"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || { echo "cpack failed"; exit 1; }
deb=$(ls "$out"/*.deb)
echo "package: $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6gui6 libqt6core6 fonts-hosny-amiri fonts-noto-ui-core \
    fonts-liberation2 fonts-dejavu-core; do
    check "depends on $p" grep -q "\b$p\b" <<<"$depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/fruit-traits ./usr/share/applications/example.fruits.FruitTraits.desktop \
    ./usr/share/metainfo/example.fruits.FruitTraits.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/example.fruits.FruitTraits.png \
    ./usr/share/doc/fruit-traits/copyright ./usr/share/man/man1/fruit-traits.1.gz; do
    check "contains $f" grep -qx "$f" <<<"$files"
done
lint=$(lintian "$deb" 2>/dev/null)
[ -n "$lint" ] && echo "$lint"
check "lintian finds no error" bash -c "! grep -q '^E:' <<<\"\$1\"" _ "$lint"
check "apt would install it with its dependencies" apt-get install --simulate -qq "$deb"
finish
