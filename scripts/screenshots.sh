#!/usr/bin/env bash
# Takes the user guide's pictures of the real windows under a virtual X server, and of the survey
# check's PDF report, and writes them to docs/images/. Builds what it needs first (in ./build,
# as scripts/build.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${KESTOVA_BUILD_DIR:-build}"
bash scripts/setup.sh test
cmake -S . -B "$build" -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target kestova_screenshots kestova
mkdir -p docs/images
# A screen of its own size and depth, whatever the machine's display; the offscreen platform
# would do too, but the X server gives the window system's own fonts and rendering.
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1400x900x24" \
  "$build/tests/e2e/kestova_screenshots" docs/images

# The first page of the PDF report of the guide's example check (exit status 1: a stake is out).
report="$(mktemp -d)"
trap 'rm -rf "$report"' EXIT
program="$(realpath "$build")/src/kestova"
(cd docs/examples && "$program" check design.csv survey.csv \
  --tolerance x=0.02,y=0.02,z=0.01,h=0.025 --pdf "$report/report.pdf" >/dev/null) || [ $? -eq 1 ]
pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$report/report.pdf" docs/images/check-report
