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
pdftoppm -png -r 72 -f 2 -l 2 -singlefile "$report/report.pdf" docs/images/check-report-plan

# A road too long for one page: 151 stakes 20 m apart on a curve, a few of them out, give a key
# plan before the plan's sheets.
python3 - "$report" <<'PYTHON'
import math, random, sys
random.seed(7)
with open(sys.argv[1] + "/road.csv", "w") as design, open(sys.argv[1] + "/shots.csv", "w") as shots:
    design.write("Point,Easting,Northing,Elevation\n")
    for i in range(151):
        angle = i * 20.0 / 2500.0
        x, y = 5000 + 2500 * math.sin(angle), 8000 + 2500 * (1 - math.cos(angle))
        design.write(f"R{i:03},{x:.3f},{y:.3f},120.000\n")
        error = 0.05 if i % 37 == 5 else 0.008
        shots.write(f"R{i:03},{x + random.gauss(0, error):.3f},{y + random.gauss(0, error):.3f},"
                    f"{120 + random.gauss(0, 0.005):.3f}\n")
PYTHON
(cd "$report" && "$program" check road.csv shots.csv --tolerance x=0.02,y=0.02,z=0.01 \
  --pdf road.pdf >/dev/null) || [ $? -eq 1 ]
pdftoppm -png -r 72 -f 2 -l 2 -singlefile "$report/road.pdf" docs/images/check-report-key-plan
# Its seventh sheet, in the middle of the curve.
pdftoppm -png -r 72 -f 9 -l 9 -singlefile "$report/road.pdf" docs/images/check-report-sheet
