#!/usr/bin/env bash
# Fuzzes the fuzz targets of the sanitizer build (scripts/sanitizer_build.sh: clang, libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer, in ./build-sanitize), each starting from its
# committed corpus, as many at a time as there are cores. The reproducers of mended faults are
# not fuzzed from: the sanitizer build's tests replay them (scripts/sanitize.sh), and some are
# slow on purpose (a drawing that expands to the limit of what is drawn).
# A crash, leak, timeout or running out of memory fails the run; the input that caused it is
# saved in build-sanitize/findings/<target>/ (replay it with the target's program, or with
# <target>_replay of an ordinary build). New inputs found on the way go to
# build-sanitize/discovered/<target>/, never into the tree.
#
#   scripts/fuzz.sh                    every target for 20 seconds (the test run)
#   scripts/fuzz.sh 600 drawing        one target for ten minutes
#   scripts/fuzz.sh merge drawing DIR  adds what DIR's inputs reach beyond the committed corpus
set -euo pipefail
cd "$(dirname "$0")/.."

# Target, folder of its source, dictionary.
targets=(
  "drawing tests/host/view-core/fuzz tests/host/dxf/fuzz/dxf.dict"
  "round_trip tests/host/dxf/fuzz tests/host/dxf/fuzz/dxf.dict"
  "command_line tests/host/view-core/fuzz -"
  "numeric_text tests/numbers/fuzz -"
  "number_rules tests/numbers/fuzz -"
  "point_files tests/survey/fuzz -"
)
# Generous for a sanitizer build: a single input taking longer than this is a hang, and a
# process holding more than this much memory has lost control of its allocations.
limits=(-timeout=90 -rss_limit_mb=2048)
build=build-sanitize

if [ "${1:-}" = merge ]; then
  mode=merge
  selected=("$2")
  shift 2
  sources=("$@")
else
  mode=fuzz
  seconds=${1:-20}
  shift || true
  selected=("$@")
fi

bash scripts/sanitizer_build.sh

# Fuzzes one target; its output goes to build-sanitize/<target>.log.
fuzz_target() {
  local name=$1 program=$2 corpus=$3
  shift 3
  local discovered=$build/discovered/$name findings=$build/findings/$name
  rm -rf "$discovered"
  mkdir -p "$discovered" "$findings"
  "$program" "$@" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$discovered" "$corpus" >"$build/$name.log" 2>&1
}

declare -A running=()
failed=()
# Waits for one running target and notes whether it failed.
wait_for_one() {
  local pid name status=0
  wait -n -p pid || status=$?
  name=${running[$pid]}
  unset "running[$pid]"
  if [ "$status" -eq 0 ]; then
    echo "fuzz: $name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/$name.log" || true)"
  else
    tail -n 60 "$build/$name.log"
    failed+=("$name")
  fi
}

for entry in "${targets[@]}"; do
  read -r name folder dictionary <<<"$entry"
  if [ ${#selected[@]} -gt 0 ] && [[ ! " ${selected[*]} " =~ " $name " ]]; then continue; fi
  program="$build/$folder/${name}_fuzz"
  corpus="$folder/$name/corpus"
  options=("${limits[@]}")
  [ "$dictionary" != - ] && options+=("-dict=$dictionary")
  mkdir -p "$corpus"
  if [ "$mode" = merge ]; then
    # Edges only, not how often each runs: a small corpus that still reaches everything.
    "$program" "${options[@]}" -merge=1 -use_counters=0 "$corpus" "${sources[@]}"
    continue
  fi
  while [ ${#running[@]} -ge "$(nproc)" ]; do wait_for_one; done
  echo "fuzz: $name for $seconds s"
  fuzz_target "$name" "$program" "$corpus" "${options[@]}" &
  running[$!]=$name
done
while [ ${#running[@]} -gt 0 ]; do wait_for_one; done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: faults found in ${failed[*]}; the inputs are in $build/findings/" >&2
  exit 1
fi
