#!/usr/bin/env bash
# Configures and builds ./build-sanitize with clang: the libraries that need no Qt, their tests
# and the fuzz targets, with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's
# coverage instrumentation (KESTOVA_SANITIZE). Optimised a little, for the fuzzers' speed, with
# assertions on and line tables for the sanitizers' reports. scripts/sanitize.sh runs its tests,
# scripts/fuzz.sh its fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler_cache.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DKESTOVA_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  "${compiler_launcher[@]}" >/dev/null
cmake --build build-sanitize
