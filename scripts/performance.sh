#!/usr/bin/env bash
# Measures the figures of docs/performance.md in one run on this machine and
# leaves the outputs in build/bench/performance: the benchmarks, the loading
# of a catalogue file of 1,000,000 entries against cat (time and peak
# memory), the companion's search of that file in each output format (time,
# peak memory and the output's checksum), and the start of dorvanta against
# a minimal Qt Widgets window on a virtual X display and on the offscreen
# platform. Then writes the table of the measured figures against their
# targets into docs/performance.md, between its "measured" markers. Needs
# hyperfine and GNU time (apt-get install hyperfine time).
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

started="$(date -u '+%F %H:%M UTC')"
load="$(cut -d' ' -f1-3 /proc/loadavg)"
echo "== $started, $(nproc) cores, load: $load" | tee "$out/run.txt"
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
hyperfine -N --warmup 2 --runs 10 --export-markdown "$out/load.md" --export-json "$out/load.json" \
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

# The companion's search of the large file in each format: wall time and
# peak memory with the output thrown away, then the output's checksum.
search=(search --rs 0.1 --rl 0.01 --imax 10 --va 5 --operator ">" --cap1 0.1)
: >"$out/search.txt"
for format in text csv json; do
  /usr/bin/time -f "%e %M" -o "$out/search-$format.time" \
    "$bin/cli/dorvanta-cli" --catalogue "$big" "${search[@]}" --format "$format" >/dev/null
  sum=$("$bin/cli/dorvanta-cli" --catalogue "$big" "${search[@]}" --format "$format" | sha256sum | cut -d' ' -f1)
  read -r seconds kb <"$out/search-$format.time"
  echo "$format $seconds $kb $sum" | tee -a "$out/search.txt"
done

# The start: each program ends once its window is shown and painted.
export DORVANTA_QUIT_AFTER_SHOW=1
xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb \
  hyperfine -N --warmup 3 --runs 30 --export-markdown "$out/start-xcb.md" \
  "$bin/bench/minimal_window" "$bin/app/dorvanta"
QT_QPA_PLATFORM=offscreen \
  hyperfine -N --warmup 3 --runs 30 --export-markdown "$out/start-offscreen.md" \
  "$bin/bench/minimal_window" "$bin/app/dorvanta"

# The table of docs/performance.md, between its markers.
python3 - "$out" "$started" "$load" docs/performance.md <<'PY'
import json, re, sys
out, started, load, doc = sys.argv[1:5]

def ratio_row(name):  # engine_bench's own table: name, ms per run, ns per entry, / floor
    for line in open(f"{out}/engine.txt"):
        f = line.split()
        if len(f) == 6 and f[0] == name and f[4] == "ns":
            return float(f[1]), float(f[3]), float(f[5])
    raise SystemExit(f"performance: no {name} in engine.txt")

def bench(file, name):  # Google Benchmark's table: time and CPU with their units
    for line in open(f"{out}/{file}"):
        f = line.split()
        if f and f[0] == name:
            return float(f[1]), f[2], float(f[3]), f[4]
    raise SystemExit(f"performance: no {name} in {file}")

find_1m = ratio_row("BM_FindParts/1000000")
find_small = ratio_row("BM_FindParts/2072")
window = bench("window.txt", "BM_NextToResults/100000")
imported = bench("catalogue.txt", "BM_ImportCatalogue/1000000")
means = {r["command"].split()[0].split("/")[-1]: r["mean"] for r in json.load(open(f"{out}/load.json"))["results"]}
load_ratio = means["dorvanta-cli"] / means["cat"]
peaks = {}
for line in open(f"{out}/memory.txt"):
    m = re.match(r"peak memory (\d+) KB: (.*)", line)
    if m:
        peaks["big" if "--catalogue" in m.group(2) else "builtin"] = int(m.group(1))
    m = re.match(r"file size (\d+) bytes", line)
    if m:
        entries_kb = (int(m.group(1)) - 101) / 1024
searches = {}
for line in open(f"{out}/search.txt"):
    fmt, seconds, kb, checksum = line.split()
    searches[fmt] = (float(seconds), int(kb), checksum)
limit_kb = 2 * entries_kb + peaks["builtin"]

def mark(ok):
    return "met" if ok else "**not met**"

rows = [
    ("`BM_FindParts/1000000` / `BM_Floor/1000000` (fresh memory)",
     f"{find_1m[2]:.2f} ({find_1m[0]:,.0f} ms CPU, {find_1m[1]:.0f} ns per entry)", "≤ 3", find_1m[2] <= 3),
    ("`BM_FindParts/2072` (1,357 found)", f"{find_small[0]:.3f} ms CPU", "≤ 0.4 ms", find_small[0] <= 0.4),
    ("`BM_NextToResults/100000` (window, offscreen)",
     f"{window[0]:.1f} {window[1]} ({window[2]:.1f} {window[3]} CPU)", "≤ 75 ms",
     window[0] <= 75 and window[1] == "ms"),
    ("load of a 1,000,000-entry file / `cat` of it",
     f"{load_ratio:.2f} ({means['dorvanta-cli'] * 1e3:.1f} ms / {means['cat'] * 1e3:.1f} ms)", "≤ 3", load_ratio <= 3),
    ("peak memory of `search … --format text`", f"{searches['text'][1]:,} KB ({searches['text'][0]:.2f} s)",
     f"≤ {limit_kb:,.0f} KB", searches["text"][1] <= limit_kb),
    ("the same search with `--format csv`",
     f"{searches['csv'][0]:.2f} s, {searches['csv'][1]:,} KB peak", "≤ 5 s, peak as above",
     searches["csv"][0] <= 5 and searches["csv"][1] <= limit_kb),
    ("import of a 1,000,000-line catalogue CSV (`BM_ImportCatalogue/1000000`)",
     f"{imported[0]:,.0f} {imported[1]} ({imported[2]:,.0f} {imported[3]} CPU)", "< 5 s",
     imported[1] == "ms" and imported[0] < 5000),
]
table = [f"Measured on {started}, load average {load} (1, 5 and 15 minutes) when the run began.", "",
         "| Measure | Measured | Target | |", "|---|---|---|---|"]
table += [f"| {name} | {value} | {target} | {mark(ok)} |" for name, value, target, ok in rows]
table += ["", f"The limit of the peak memory is twice the catalogue's {entries_kb:,.0f} KB of entries plus the "
          f"baseline, `dorvanta-cli info` with the built-in catalogue ({peaks['builtin']:,} KB); "
          f"`dorvanta-cli --catalogue big.dat info` peaks at {peaks['big']:,} KB.", "",
          "SHA-256 of the search's output (`search … --format F` over `big.dat`):", ""]
table += [f"- {fmt}: `{searches[fmt][2]}`" for fmt in ("text", "csv", "json")]
text = open(doc).read()
begin, end = "<!-- measured: begin -->", "<!-- measured: end -->"
if begin not in text:
    raise SystemExit(f"performance: {doc} has no {begin} marker")
head, rest = text.split(begin, 1)
tail = rest.split(end, 1)[1]
open(doc, "w").write(head + begin + "\n" + "\n".join(table) + "\n" + end + tail)
print("\n".join(table))
PY
