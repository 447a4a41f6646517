#!/usr/bin/env bash
# The .deb as dpkg and lintian see it: its control fields, the files a desktop and the
# manual need, a stripped program, and no lintian errors or warnings.
# Usage: deb_contents.sh <package folder> <version>
set -euo pipefail
source "$(dirname "$0")/../support/skip.sh"
require_tools dpkg-deb lintian file
packages=$1
version=$2
deb=$(ls "$packages"/kestova_"$version"_*.deb)

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = kestova ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Section)" = science ] || fail "Section is $(field Section)"
# The libraries the program links, found by dpkg-shlibdeps, and Qt's window system plugins.
depends=$(field Depends | sed 's/ *([^)]*)//g; s/, */\n/g')
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 \
  qt6-qpa-plugins; do
  grep -qxF "$dependency" <<<"$depends" || fail "Depends lacks $dependency"
done
description=$(field Description)
[ "$(head -1 <<<"$description")" = "draw survey deviations into a CAD drawing" ] ||
  fail "the short description is '$(head -1 <<<"$description")'"
[ "$(wc -l <<<"$description")" -gt 5 ] || fail "the long description is missing"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in \
  usr/bin/kestova \
  usr/share/applications/kestova.desktop \
  usr/share/icons/hicolor/16x16/apps/kestova.png \
  usr/share/icons/hicolor/32x32/apps/kestova.png \
  usr/share/metainfo/org.kestova.kestova.metainfo.xml \
  usr/share/man/man1/kestova.1.gz \
  usr/share/doc/kestova/copyright \
  usr/share/doc/kestova/changelog.gz; do
  grep -qx "\./$path" <<<"$contents" || fail "the package lacks /$path"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
file "$unpacked/usr/bin/kestova" | grep -q ', stripped' || fail "the program is not stripped"
grep -qx 'MimeType=image/vnd.dxf;' "$unpacked/usr/share/applications/kestova.desktop" ||
  fail "the desktop entry does not open DXF drawings"

# Every tag is listed; those of the levels info and pedantic do not fail the test.
lintian --fail-on error,warning --display-level '>=pedantic' "$deb" ||
  fail "lintian found errors or warnings"
echo "$deb is sound"
