#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for half of the given number of
# seconds (default 10 in all), starting from its committed corpus: the
# catalogue file and the parts-list reader. New inputs go to
# build/fuzz/corpus/TARGET, never into the committed ones; a crash leaves its
# input in build/fuzz/crashes and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
each=$(((seconds + 1) / 2))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target catalogue_fuzz parts_list_fuzz
mkdir -p build/fuzz/crashes

# run TARGET CORPUS: the target for $each seconds over its corpus.
run() {
  local target="$1" corpus="$2"
  local log="build/fuzz/$target.log"
  mkdir -p "build/fuzz/corpus/$target"
  if ! "build/fuzz/fuzz/$target" -max_total_time="$each" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/crashes/ "build/fuzz/corpus/$target" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $target failed, see $log and build/fuzz/crashes" >&2
    exit 1
  fi
  echo "$target:"
  grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$log" || true
}

run catalogue_fuzz fuzz/corpus/catalogue
run parts_list_fuzz fuzz/corpus/parts-list
