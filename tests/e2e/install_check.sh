#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that the program, its desktop entry and
# its icons land where a freedesktop desktop looks for them.
# Usage: install_check.sh <build folder> <version>
set -euo pipefail
source "$(dirname "$0")/../support/skip.sh"
require_tools desktop-file-validate
build="$1"
version="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/kestova"
QT_QPA_PLATFORM=xcb DISPLAY= "$prefix/bin/kestova" --version | grep -qx "kestova $version"

entry="$prefix/share/applications/kestova.desktop"
desktop-file-validate "$entry"
grep -qx "Exec=kestova %f" "$entry"
grep -qx "Icon=kestova" "$entry"

for size in 16 32; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/kestova.png"
  # PNG signature, then the width and height of the IHDR chunk as big-endian numbers.
  signature="$(od -An -tx1 -N8 "$icon" | tr -d ' \n')"
  [ "$signature" = "89504e470d0a1a0a" ] || { echo "$icon is not a PNG" >&2; exit 1; }
  dimensions="$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')"
  [ "$dimensions" = "0 0 0 $size 0 0 0 $size" ] || {
    echo "$icon is not ${size}x${size}: $dimensions" >&2
    exit 1
  }
done
echo "installed as a desktop application under $prefix"
