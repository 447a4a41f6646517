#!/usr/bin/env bash
# Builds the libraries that need no Qt, and their tests, with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-sanitize, and runs those tests (label toolkit-free).
# Any memory fault, leak, undefined behaviour or failed assertion fails the test it happens in;
# unoptimised, which builds in about half the time and hides none of them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DKESTOVA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize --target kestova_toolkit_free_tests
cd build-sanitize
ctest --output-on-failure --timeout 900 -L toolkit-free
