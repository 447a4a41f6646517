#!/usr/bin/env bash
# Sets everything up, builds, and starts Kestova (arguments go to the program, e.g. a drawing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/src/kestova "$@"
