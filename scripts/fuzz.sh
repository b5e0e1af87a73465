#!/usr/bin/env bash
# Builds the catalogue file's libFuzzer target (preset fuzz: clang,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs it for the given
# number of seconds (default 10), starting from the committed corpus. New
# inputs go to build/fuzz/corpus, never into the committed one; a crash
# leaves its input in build/fuzz/crashes and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target catalogue_fuzz
mkdir -p build/fuzz/corpus build/fuzz/crashes
log=build/fuzz/catalogue_fuzz.log
if ! build/fuzz/fuzz/catalogue_fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build/fuzz/crashes/ build/fuzz/corpus fuzz/corpus/catalogue >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "fuzz: catalogue_fuzz failed, see $log and build/fuzz/crashes" >&2
  exit 1
fi
grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$log" || true
