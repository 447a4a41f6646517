#!/usr/bin/env bash
# Takes the user guide's pictures of the real windows under a virtual X server and writes them
# to docs/images/. Builds what it needs first (in ./build, as scripts/build.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${KESTOVA_BUILD_DIR:-build}"
bash scripts/setup.sh test
cmake -S . -B "$build" -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target kestova_screenshots
mkdir -p docs/images
# A screen of its own size and depth, whatever the machine's display; the offscreen platform
# would do too, but the X server gives the window system's own fonts and rendering.
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1400x900x24" \
  "$build/tests/e2e/kestova_screenshots" docs/images
