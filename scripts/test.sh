#!/usr/bin/env bash
# Sets everything up, builds, and runs every test suite through ctest. A test whose tool is
# missing says so and is skipped; in CI (CI=true) a skip fails the run, because there every
# tool is installed and a skip means a missing install step.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh test
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 --output-junit ctest-results.xml
if [ "${CI:-}" = true ] && grep -q '<skipped' ctest-results.xml; then
  echo "test: tests were skipped in CI (listed above under 'did not run'): install their tools" >&2
  exit 1
fi
