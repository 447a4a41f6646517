#!/usr/bin/env bash
# Builds the sanitizer build (scripts/sanitizer_build.sh) and runs its tests side by side: the
# tests of the libraries that need no Qt, the fuzz targets' committed inputs, and the drawings
# of the corpus suites replayed through the fuzz targets. Any memory fault, leak, undefined
# behaviour or failed assertion fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/sanitizer_build.sh
cd build-sanitize
ctest -j "$(nproc)" --output-on-failure --timeout 900 --output-junit ctest-results.xml
