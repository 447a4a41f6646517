#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kestova in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
