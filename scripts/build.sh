#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kestova in ./build.
#   build.sh run    the program alone (the default)
#   build.sh test   the program, its tests and its benchmarks, warnings as errors, with line
#                   tables for debug information (enough for a failing test's backtrace, and
#                   a quarter quicker to compile than full debug information)
set -euo pipefail
cd "$(dirname "$0")/.."
purpose="${1:-run}"
case "$purpose" in
  run) setup=run tests=OFF werror=OFF flags=() ;;
  test) setup=test tests=ON werror=ON flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG") ;;
  *)
    echo "usage: build.sh [run|test]" >&2
    exit 2
    ;;
esac
bash scripts/setup.sh "$setup"
source scripts/compiler_cache.sh
cmake -S . -B build -G Ninja -DBUILD_TESTING="$tests" -DKESTOVA_WERROR="$werror" \
  "${flags[@]}" "${compiler_launcher[@]}"
cmake --build build
