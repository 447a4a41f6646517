#!/usr/bin/env bash
# Runs a libFuzzer program once on each file under the given folders whose name matches a
# pattern ('*' for all), as it runs a crash's input: the whole file, no mutation. A fault
# (crash, leak, sanitizer report) fails the replay, naming the input. Folders that are not
# there hold nothing; a pattern that finds no file at all skips the test.
# Usage: replay_inputs.sh <program> <pattern> <folder>...
set -euo pipefail
source "$(dirname "$0")/skip.sh"
program=$1
pattern=$2
shift 2

inputs=()
for folder in "$@"; do
  [ -d "$folder" ] || continue
  while IFS= read -r -d '' file; do inputs+=("$file"); done \
    < <(find "$folder" -type f -iname "$pattern" -print0 | sort -z)
done
[ ${#inputs[@]} -gt 0 ] || skip "no input matching '$pattern' in $*"

echo "replaying ${#inputs[@]} inputs through $(basename "$program")"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Batches keep the command lines short; libFuzzer stops at the first fault.
printf '%s\0' "${inputs[@]}" | xargs -0 -n 200 "$program" -timeout=90 -rss_limit_mb=2048 \
  >"$log" 2>&1 || { tail -n 80 "$log"; exit 1; }
echo "all ran clean"
