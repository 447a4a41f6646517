#!/usr/bin/env bash
# Runs a test command that is a program of its own, or skips the test when it is missing.
# Usage: with_tools.sh <program> [arguments...]
set -euo pipefail
source "$(dirname "$0")/skip.sh"
require_tools "$1"
exec "$@"
