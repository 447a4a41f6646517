#!/usr/bin/env bash
# Sets everything up, builds, and runs every test suite through ctest; then the libraries
# without Qt again under the sanitizers, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
cd ..
bash scripts/sanitize.sh
bash scripts/fuzz.sh 20
