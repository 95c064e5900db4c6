#!/usr/bin/env bash
# Builds the bench preset (optimised, with bench/) and measures:
#   1. load + layout + draw of each chart without the process (bench/charts_bench, Google
#      Benchmark), to the recording surface and to a screen image;
#   2. hydrochart as a whole process: `stiff` on one 32-sample workbook to PDF (median of RUNS),
#      and on 1,000 copies of it under distinct names in one call, with peak memory.
#   scripts/bench.sh [RUNS]           (RUNS: 10 unless given)
# Set HC_BENCH_BUILD to the folder of a build configured with -DHC_BENCH=ON to measure that
# build instead of building the preset. The goals and the figures are in bench/README.md.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-10}"
files=1000
cd "$here"
if [[ -n "${HC_BENCH_BUILD:-}" ]]; then
  build="$(cd "$HC_BENCH_BUILD" && pwd)"
  cmake --build "$build" --target charts_bench hydrochart
else
  bash "$here/scripts/deps.sh"
  cmake --preset bench >/dev/null
  cmake --build --preset bench
  build="$here/build/bench"
fi
bin="$build/bin"
work="$(mktemp -d "${TMPDIR:-/tmp}/hc_bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "== load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== load + layout + draw without the process (median of 5 repetitions)"
"$bin/charts_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 2>&1 | grep -E '^(Benchmark|-|[A-Za-z].*_median)'

# "SECONDS KB" of one command: wall time and peak resident memory (of the largest process).
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null
  cat "$work/time"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

book="$here/examples/sample32.xlsx"
echo "== hydrochart stiff on one workbook to PDF, whole process ($runs runs)"
: >"$work/one"
for ((i = 0; i < runs; i++)); do
  measure "$bin/hydrochart" stiff "$book" -o "$work/one.pdf" >>"$work/one"
done
echo "median $(cut -d' ' -f1 "$work/one" | median) s, peak $(cut -d' ' -f2 "$work/one" | median) KB"

mkdir -p "$work/in" "$work/out"
for ((i = 1; i <= files; i++)); do
  cp "$book" "$work/in/$(printf 'well%04d' "$i").xlsx"
done

# The batch form takes several workbooks and an output folder; an older hydrochart takes one
# file per call, and is then called once per file.
mkdir -p "$work/probe"
if "$bin/hydrochart" stiff "$work/in/well0001.xlsx" "$work/in/well0002.xlsx" -o "$work/probe/" \
    >/dev/null 2>&1 && [[ $(find "$work/probe" -name '*.pdf' | wc -l) -eq 2 ]]; then
  echo "== hydrochart stiff on $files workbooks in one call: stiff FILES... -o DIR/"
  result=$(measure "$bin/hydrochart" stiff "$work"/in/*.xlsx -o "$work/out/")
else
  echo "== hydrochart stiff on $files workbooks: this hydrochart takes one file per call" \
    "(no batch form yet), so it is called $files times"
  result=$(measure bash -c 'for f in "$2"/*.xlsx; do
      s=${f##*/}; "$1" stiff "$f" -o "$3/${s%.xlsx}.pdf" || exit 1
    done' _ "$bin/hydrochart" "$work/in" "$work/out")
fi
written=$(find "$work/out" -name '*.pdf' | wc -l)
echo "$(cut -d' ' -f1 <<<"$result") s, peak $(cut -d' ' -f2 <<<"$result") KB, $written PDFs written"
[[ "$written" -eq "$files" ]] || { echo "bench.sh: expected $files PDFs" >&2; exit 1; }

# A long table: the example network's 40 rows repeated under distinct names to 10,000 samples,
# drawn as one Piper diagram; CPU time (user + system) is what the goal counts.
samples=10000
{
  head -2 "$here/examples/network40.csv"
  tail -n +3 "$here/examples/network40.csv" |
    awk -F, -v OFS=, -v n="$samples" '{ row[NR] = $0 } END {
      for (i = 0; i < n; ++i) { split(row[i % NR + 1], f, ","); f[1] = f[1] "-" i;
        line = f[1]; for (k = 2; k <= length(f); ++k) line = line OFS f[k]; print line } }'
} >"$work/long.csv"
echo "== hydrochart piper on one table of $samples samples to PDF, whole process"
/usr/bin/time -f '%e %U %S %M' -o "$work/time" \
  "$bin/hydrochart" piper "$work/long.csv" --tds-circles on -o "$work/long.pdf" >/dev/null
read -r wall user sys kb <"$work/time"
echo "$wall s wall, $(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }') s CPU, peak $kb KB"
