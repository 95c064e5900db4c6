#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer harness of fuzz/ for SECONDS each (60 unless
# given), one after the other, from its seeds (fuzz/seeds.txt), the inputs fuzzing found before
# (tests/fixtures/fuzz/HARNESS) and the corpus of earlier runs (build/fuzz/corpus/HARNESS):
#   scripts/fuzz.sh [SECONDS]
# Fails on a crash, a sanitizer report, a leak, an input taking over 10 s or one allocation over
# 512 MB. The input is left in build/fuzz/findings/HARNESS/: once the fault is mended, keep it in
# tests/fixtures/fuzz/HARNESS/, where every build's FuzzReplay test replays it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
bash "$here/scripts/deps.sh"
cd "$here"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out="$here/build/fuzz"
bin="$out/bin"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Seeds, rebuilt on every run; biff8 starts from the Workbook streams of the .xls seeds.
rm -rf "$out/seeds"
while read -r harness pattern; do
  [[ -z "$harness" || "$harness" == \#* ]] && continue
  mkdir -p "$out/seeds/$harness"
  for file in $pattern; do
    [[ -f "$file" ]] || continue
    if [[ "$harness" == biff8 ]]; then
      /usr/bin/python3 - "$file" "$out/seeds/biff8/$(basename "$file").stream" <<'EOF' || true
import sys, olefile
try:
    ole = olefile.OleFileIO(sys.argv[1])
    name = next((n for n in ("Workbook", "Book") if ole.exists(n)), None)
    if name:
        open(sys.argv[2], "wb").write(ole.openstream(name).read())
except Exception:
    pass  # damaged fixtures have no stream to give
EOF
    else
      cp "$file" "$out/seeds/$harness/$(echo "$file" | tr / _)"
    fi
  done
done < fuzz/seeds.txt

# Dictionary and longest input of each harness: workbooks are cut to 64 KB, which keeps every
# container structure and the first records while the fuzzer stays fast.
declare -A dictionary=([workbook]=xml [biff8]=biff8 [csv]=text [list_input]=text [rain]=text
                       [section]=text [sample_csv]=sample_csv)
declare -A max_len=([workbook]=65536 [biff8]=65536 [csv]=4096 [list_input]=4096 [rain]=4096
                    [section]=4096 [sample_csv]=8192)
failed=()
summary=()
for harness in workbook biff8 csv list_input rain section sample_csv; do
  mkdir -p "$out/corpus/$harness" "$out/findings/$harness" "$out/logs"
  found="tests/fixtures/fuzz/$harness"
  [[ -d "$found" ]] || found=""
  log="$out/logs/$harness.log"
  echo "fuzz: $harness for $seconds s"
  if "$bin/fuzz_$harness" "$out/corpus/$harness" "$out/seeds/$harness" $found \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
      -dict="fuzz/${dictionary[$harness]}.dict" -max_len="${max_len[$harness]}" \
      -artifact_prefix="$out/findings/$harness/" \
      -print_final_stats=1 >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    summary+=("$harness: ${runs:-?} executions")
  else
    failed+=("$harness")
    summary+=("$harness: FAILED (log: $log)")
    tail -n 60 "$log"
  fi
done
printf 'fuzz: %s\n' "${summary[@]}"
if ((${#failed[@]})); then
  echo "fuzz: failed: ${failed[*]}; the inputs are in $out/findings/" >&2
  exit 1
fi
