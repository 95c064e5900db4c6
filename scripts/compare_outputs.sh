#!/usr/bin/env bash
# Proves that a change left every chart as it was: draws every example through hydrochart
# (printed sheets and screen pictures as display lists, the computed values as JSON) and
# takes a screenshot of each program's window with an example loaded, then compares.
#
#   scripts/compare_outputs.sh save DIR     record the outputs of the current build in DIR
#   scripts/compare_outputs.sh check DIR    record them again and compare with DIR
#
# Uses the programs in build/default/bin and their list build/default/programs.txt (build them
# first). Screenshots need Xvfb, xdotool
# and ImageMagick (scripts/deps.sh installs them); without them only the display lists are
# compared.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${HC_BIN:-$here/build/default/bin}"
programs="${HC_PROGRAMS:-$bin/../programs.txt}"
mode="${1:-}"
dir="${2:-}"
if [[ "$mode" != save && "$mode" != check ]] || [[ -z "$dir" ]]; then
  echo "usage: scripts/compare_outputs.sh save|check DIR" >&2
  exit 2
fi
if [[ ! -f "$programs" ]]; then
  echo "compare_outputs: no list of programs $programs: configure and build first" >&2
  exit 2
fi
out="$dir"
[[ "$mode" == check ]] && out="$(mktemp -d)"
mkdir -p "$out/lists" "$out/shots"
ex="$here/examples"
# The programs remember folders, recent files and their window's place: start each from none.
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME

# Every chart with the settings a user reaches from the menus.
hc() {  # NAME hydrochart-arguments...
  local name="$1"; shift
  "$bin/hydrochart" "$@" --display-list "$out/lists/$name.paper.jsonl" --json \
    > "$out/lists/$name.json" 2> "$out/lists/$name.err" || true
  "$bin/hydrochart" "$@" --screen --display-list "$out/lists/$name.screen.jsonl" \
    > /dev/null 2>&1 || true
}
for n in sample12 sample32 nitrate5; do
  for f in xls xlsx ods; do
    hc "hexa-$n-$f" hexa "$ex/$n.$f"
    hc "stiff-$n-$f" stiff "$ex/$n.$f"
    hc "tri-$n-$f" tri "$ex/$n.$f"
  done
  for t in 0 1 2; do
    hc "hexa-$n-nitrate$t" hexa "$ex/$n.xls" --nitrate "$t" --direction down --numbering off
    hc "stiff-$n-nitrate$t" stiff "$ex/$n.xls" --nitrate "$t" --scale 1=10 --offset 5,-3
    hc "tri-$n-nitrate$t" tri "$ex/$n.xls" --nitrate "$t" --numbering off --widths 1,2,3,4
  done
done
for c in piper schoeller chadha classify; do
  hc "$c-sample12" "$c" "$ex/sample12.xls"
  hc "$c-sample12-nitrate1" "$c" "$ex/sample12.xls" --nitrate 1
  hc "$c-network40" "$c" "$ex/network40.csv"
done
hc piper-network40-options piper "$ex/network40.csv" --fields on --labels on --tds-circles on
hc schoeller-network40-k schoeller "$ex/network40.csv" --k-apart on
for r in textbook26 textbook26_comma; do
  for m in 0 1 2; do
    hc "rain-$r-mode$m" rain "$ex/rainprob/$r.txt" --mode "$m"
    hc "rain-$r-mode$m-range" rain "$ex/rainprob/$r.txt" --mode "$m" --min 500 --max 2500 \
      --widths 1,2,3 --offset 4,2
  done
done
for s in island_section river_section; do
  for d in 0.5 1.5 2 5; do
    hc "flow-$s-$d" flow "$ex/flowcalc/$s.txt" --depth "$d" --roughness 0.035 --slope 800
  done
done

# Window screenshots under a private X server: start the program, let the splash pass,
# File>Open through the keyboard, type the example's path, send the keys the program's line in
# programs.txt asks for (accepting or filling its dialogues), and photograph the screen.
# Without a window manager the keyboard goes to the window given the focus: the newest one.
key() {
  local w
  w="$(DISPLAY=$disp xdotool search --onlyvisible --name . | sort -n | tail -1)"
  [[ -n "$w" ]] && DISPLAY=$disp xdotool windowfocus --sync "$w" 2> /dev/null || true
  DISPLAY=$disp xdotool "$@"
  sleep 0.7
}
shoot() {  # NAME PROGRAM FILE [keys after loading...]
  local name="$1" program="$2" file="$3"; shift 3
  (cd "$ex" && DISPLAY=$disp exec "$bin/$program" > /dev/null 2>&1) &
  local pid=$!
  sleep 2
  key key alt+f
  key key o
  key type --delay 5 "$file"
  key key Return
  sleep 1.5
  local k
  for k in "$@"; do
    if [[ $k == type:* ]]; then
      key type --delay 5 "${k#type:}"
    else
      key key "$k"
    fi
  done
  DISPLAY=$disp import -window root "$out/shots/$name.png"
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
}
if command -v Xvfb > /dev/null && command -v xdotool > /dev/null && command -v import > /dev/null; then
  # A free display of our own, so that several runs can go on side by side.
  exec 3< <(Xvfb -displayfd 1 -screen 0 1600x1000x24 -nolisten tcp 2> /dev/null)
  read -r -u 3 number
  disp=":$number"
  trap 'pkill -f "Xvfb -displayfd 1 -screen 0 1600x1000x24" -P $$ 2> /dev/null || true' EXIT
  sleep 0.5
  while read -r -u 4 program kind example keys; do
    [[ $program == \#* || $kind != window || $example == - ]] && continue
    read -ra keys <<< "$keys"
    shoot "$program" "$program" "$ex/$example" "${keys[@]}"
  done 4< "$programs"
else
  echo "compare_outputs: Xvfb, xdotool or ImageMagick missing: no screenshots" >&2
fi

[[ "$mode" == save ]] && { echo "saved in $out"; exit 0; }

status=0
if ! diff -r -q "$dir/lists" "$out/lists"; then
  echo "display lists or JSON differ (diff -r $dir/lists $out/lists)" >&2
  status=1
fi
for f in "$dir"/shots/*.png; do
  name="$(basename "$f")"
  if [[ ! -f "$out/shots/$name" ]]; then
    echo "screenshot missing: $name" >&2; status=1; continue
  fi
  pixels="$(compare -metric AE "$f" "$out/shots/$name" /dev/null 2>&1 || true)"
  if [[ "$pixels" != 0 ]]; then
    echo "screenshot differs: $name ($pixels pixels; see $out/shots/$name)" >&2
    status=1
  fi
done
[[ $status == 0 ]] && echo "no differences" && rm -rf "$out"
exit $status
