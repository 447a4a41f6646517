#!/usr/bin/env bash
# Sets up what building and running need, builds, and starts Kestova (arguments go to the
# program, e.g. a drawing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh run
exec build/src/kestova "$@"
