#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the ordinary build's tests side by side on
# every core (the Wine tests and the package test among them), then the sanitizer build's tests
# and a short run of every fuzz target. A test whose tool is missing says so and is skipped; in
# CI (CI=true) a skip fails the run. Ends with a timing summary: each phase, each group of
# tests, and the slowest tests and compile steps.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
phases=build/phases.tsv
: >"$phases"
status=0

# Runs one phase, noting its name, wall-clock seconds and exit status for the summary.
phase() {
  local name=$1 start=$SECONDS result=0
  shift
  "$@" || result=$?
  printf '%s\t%s\t%s\n' "$name" "$((SECONDS - start))" "$result" >>"$phases"
  return "$result"
}

# Runs a build's tests side by side on every core, then names the tests it skipped.
run_tests() {
  local build=$1 result=0
  (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure \
    --timeout 900 --output-junit ctest-results.xml) || result=$?
  python3 scripts/skipped_tests.py "$build/ctest-results.xml" || result=$?
  return "$result"
}

summary() {
  python3 scripts/timing_summary.py "$phases" native=build sanitizer=build-sanitize \
    wine=build/tests/cad/com/cross || true
}

if phase set-up bash scripts/setup.sh test && phase build bash scripts/build.sh test; then
  phase tests run_tests build || status=1
  if phase "sanitizer build" bash scripts/sanitizer_build.sh; then
    phase "sanitizer tests" run_tests build-sanitize || status=1
    phase fuzz bash scripts/fuzz.sh 20 || status=1
  else
    status=1
  fi
else
  status=1
fi
summary
exit "$status"
