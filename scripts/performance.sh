#!/usr/bin/env bash
# Measures the figures of docs/performance.md in one run on this machine and
# leaves the outputs in build/bench/performance: the benchmarks, the loading
# of a catalogue file of 1,000,000 entries against cat (time and peak
# memory), and the start of dorvanta against a minimal Qt Widgets window on a
# virtual X display and on the offscreen platform. Needs hyperfine and GNU
# time (apt-get install hyperfine time).
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in hyperfine /usr/bin/time xvfb-run; do
  command -v "$tool" >/dev/null || { echo "performance: $tool is missing" >&2; exit 1; }
done
./scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target engine_bench catalogue_bench report_bench window_bench \
  minimal_window dorvanta dorvanta-cli
out=build/bench/performance
bin=build/bench
mkdir -p "$out"

echo "== $(date -u '+%F %T UTC'), $(nproc) cores, load: $(cut -d' ' -f1-3 /proc/loadavg)"
"$bin/bench/engine_bench" --benchmark_color=false | tee "$out/engine.txt"
"$bin/bench/catalogue_bench" --benchmark_color=false | tee "$out/catalogue.txt"
"$bin/bench/report_bench" --benchmark_color=false --benchmark_filter='BM_Report/1000$' | tee "$out/report.txt"
"$bin/bench/window_bench" --benchmark_color=false --benchmark_filter='BM_NextToResults' | tee "$out/window.txt"

# A catalogue file of 1,000,000 entries: the exported header, then the
# built-in entries repeated.
"$bin/cli/dorvanta-cli" export-catalogue "$out/builtin.dat"
big="$out/big.dat"
builtin=$(($(stat -c %s "$out/builtin.dat") / 101 - 1))
{
  head -c 101 "$out/builtin.dat"
  for _ in $(seq $((1000000 / builtin))); do tail -c +102 "$out/builtin.dat"; done
  dd if="$out/builtin.dat" bs=101 skip=1 count=$((1000000 % builtin)) status=none
} >"$big"
hyperfine -N --warmup 2 --runs 10 --export-markdown "$out/load.md" \
  "cat $big" "$bin/cli/dorvanta-cli --catalogue $big info"
for command in "$bin/cli/dorvanta-cli info" "$bin/cli/dorvanta-cli --catalogue $big info"; do
  peak=0
  for _ in 1 2 3; do
    kb=$(/usr/bin/time -f %M $command 2>&1 >/dev/null | tail -1)
    [ "$kb" -gt "$peak" ] && peak=$kb
  done
  echo "peak memory ${peak} KB: $command" | tee -a "$out/memory.txt"
done
echo "file size $(stat -c %s "$big") bytes" | tee -a "$out/memory.txt"

# The start: each program ends once its window is shown and painted.
export DORVANTA_QUIT_AFTER_SHOW=1
xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb \
  hyperfine -N --warmup 3 --runs 30 --export-markdown "$out/start-xcb.md" \
  "$bin/bench/minimal_window" "$bin/app/dorvanta"
QT_QPA_PLATFORM=offscreen \
  hyperfine -N --warmup 3 --runs 30 --export-markdown "$out/start-offscreen.md" \
  "$bin/bench/minimal_window" "$bin/app/dorvanta"
