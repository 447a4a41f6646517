#!/usr/bin/env bash
# Sets everything up, builds, and runs every test suite through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
