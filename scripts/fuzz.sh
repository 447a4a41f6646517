#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# ./build-fuzz and fuzzes each in turn, starting from its committed corpus and reproducers.
# A crash, leak, timeout or running out of memory fails the run; the input that caused it is
# saved in build-fuzz/findings/<target>/ (replay it with the target's program, or with
# <target>_replay of an ordinary build). New inputs found on the way go to
# build-fuzz/discovered/<target>/, never into the tree.
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
  "numeric_text tests/cad/fuzz -"
  "number_rules tests/form/fuzz -"
  "point_files tests/survey/fuzz -"
)
# Generous for a sanitizer build: a single input taking longer than this is a hang, and a
# process holding more than this much memory has lost control of its allocations. The slowest
# committed input, a block tree drawn up to the expansion budget, takes about 30 s here.
limits=(-timeout=90 -rss_limit_mb=2048)

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

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DKESTOVA_FUZZ=ON >/dev/null
cmake --build build-fuzz --target kestova_fuzz_targets

failed=()
for entry in "${targets[@]}"; do
  read -r name folder dictionary <<<"$entry"
  if [ ${#selected[@]} -gt 0 ] && [[ ! " ${selected[*]} " =~ " $name " ]]; then continue; fi
  program="build-fuzz/$folder/${name}_fuzz"
  corpus="$folder/$name/corpus"
  options=("${limits[@]}")
  [ "$dictionary" != - ] && options+=("-dict=$dictionary")
  mkdir -p "$corpus"
  if [ "$mode" = merge ]; then
    # Edges only, not how often each runs: a small corpus that still reaches everything.
    "$program" "${options[@]}" -merge=1 -use_counters=0 "$corpus" "${sources[@]}"
    continue
  fi
  discovered="build-fuzz/discovered/$name"
  findings="build-fuzz/findings/$name"
  rm -rf "$discovered"
  mkdir -p "$discovered" "$findings"
  inputs=("$corpus")
  [ -d "$folder/$name/regressions" ] && inputs+=("$folder/$name/regressions")
  echo "fuzz: $name for $seconds s"
  if ! "$program" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/" "$discovered" "${inputs[@]}" 2>"build-fuzz/$name.log"; then
    tail -n 60 "build-fuzz/$name.log"
    failed+=("$name")
    continue
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE' "build-fuzz/$name.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: faults found in ${failed[*]}; the inputs are in build-fuzz/findings/" >&2
  exit 1
fi
