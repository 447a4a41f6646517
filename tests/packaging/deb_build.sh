#!/usr/bin/env bash
# Makes the .deb of a build with cpack, as scripts/package.sh does, into a folder of its own.
# Usage: deb_build.sh <build folder> <package folder>
set -euo pipefail
source "$(dirname "$0")/../support/skip.sh"
require_tools cpack file dpkg-shlibdeps
build=$1
packages=$2

rm -rf "$packages"
mkdir -p "$packages"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$packages" >"$packages/cpack.log" 2>&1 ||
  { cat "$packages/cpack.log"; exit 1; }
ls "$packages"/kestova_*.deb
