#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kestova in ./build.
#   build.sh run    the program alone (the default)
#   build.sh test   the program, its tests and its benchmarks, warnings as errors
set -euo pipefail
cd "$(dirname "$0")/.."
purpose="${1:-run}"
case "$purpose" in
  run) setup=run tests=OFF werror=OFF ;;
  test) setup=test tests=ON werror=ON ;;
  *)
    echo "usage: build.sh [run|test]" >&2
    exit 2
    ;;
esac
bash scripts/setup.sh "$setup"
cmake -S . -B build -G Ninja -DBUILD_TESTING="$tests" -DKESTOVA_WERROR="$werror"
cmake --build build
