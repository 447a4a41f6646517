#!/usr/bin/env bash
# Sets everything up, builds, and runs every test suite through ctest; then the libraries
# without Qt again under the sanitizers, and a short run of every fuzz target. A test whose
# tool is missing says so and is skipped; in CI (CI=true) a skip fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh test
cd build
status=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 \
  --output-junit ctest-results.xml || status=$?
python3 ../scripts/skipped_tests.py ctest-results.xml || status=$?
cd ..
bash scripts/sanitize.sh || status=$?
bash scripts/fuzz.sh 20 || status=$?
exit "$status"
