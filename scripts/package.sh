#!/usr/bin/env bash
# Sets up what building the package needs, builds, and makes build/kestova_<version>_<arch>.deb
# (install it with `apt-get install ./build/kestova_*.deb`).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh package
bash scripts/build.sh run
cd build
cpack -G DEB
