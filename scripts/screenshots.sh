#!/usr/bin/env bash
# Draws every picture of the user's guide and the README from the examples in the repository,
# without a desktop: the printed sheets and screen pictures through hydrochart, and each
# program's window with an example loaded under a private X server.
#
#   scripts/screenshots.sh           write the pictures into docs/images
#   scripts/screenshots.sh --check   draw them into a temporary folder and compare them with
#                                    docs/images: same size and at most HC_SHOT_TOLERANCE
#                                    (default 0.2) per cent of the pixels different; exit 1 with
#                                    the names that differ, 77 when a tool is missing
#
# Runs under C.UTF-8, or the locale HC_SHOT_LOCALE names (ja_JP.UTF-8: the pictures must be
# the same). Uses the programs in build/default/bin (or HC_BIN) and their list programs.txt
# beside it; build them first. Needs Xvfb, xdotool,
# ImageMagick and pngquant (scripts/deps.sh installs them). The pictures are quantised to at
# most 256 colours without dithering, so the same tree gives the same bytes.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${HC_BIN:-$here/build/default/bin}"
programs="${HC_PROGRAMS:-$bin/../programs.txt}"
images="$here/docs/images"
ex="$here/examples"
mode=write
case "${1:-}" in
  "") ;;
  --check) mode=check ;;
  *) echo "usage: scripts/screenshots.sh [--check]" >&2; exit 2 ;;
esac

for tool in Xvfb xdotool import convert compare identify pngquant fc-match flock; do
  if ! command -v "$tool" > /dev/null; then
    echo "screenshots: $tool is missing (scripts/deps.sh installs it)" >&2
    exit 77
  fi
done
if [[ ! -f "$programs" ]]; then
  echo "screenshots: no list of programs $programs: configure and build first" >&2
  exit 2
fi
for program in $(grep -v '^#' "$programs" | cut -d' ' -f1); do
  if [[ ! -x "$bin/$program" ]]; then
    echo "screenshots: $bin/$program is missing: build the programs first" >&2
    exit 2
  fi
done

work="$(mktemp -d "${TMPDIR:-/tmp}/screenshots.XXXXXX")"
out="$images"
if [[ $mode == check ]]; then
  out="$work/images"
fi
mkdir -p "$out" "$work/raw" "$work/config"
xvfb_pid=
keep=0
cleanup() {
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2> /dev/null
  [[ $keep == 1 ]] || rm -rf "$work"
  [[ -n "${shots:-}" ]] && rm -rf "$shots"
  return 0
}
trap cleanup EXIT

# One font, scale and style whatever the desktop around: the pictures must not depend on who
# runs the script. The locale is C.UTF-8 unless HC_SHOT_LOCALE names another; the pictures are
# the same under ja_JP.UTF-8, where font names are listed in Japanese (the check runs under both).
shot_locale="${HC_SHOT_LOCALE:-C.UTF-8}"
if ! locale -a 2> /dev/null | grep -qix "$(echo "$shot_locale" | sed 's/UTF-8/utf-\\?8/I')"; then
  echo "screenshots: the locale $shot_locale is not installed (scripts/deps.sh generates ja_JP.UTF-8)" >&2
  exit 77
fi
export LANG="$shot_locale" LC_ALL="$shot_locale"
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
export QT_STYLE_OVERRIDE=Fusion XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORMTHEME
font="$(fc-match -f '%{file}' 'IPAGothic:lang=ja')"

# hydrochart runs in the examples folder on relative names, so that a sheet naming its file
# reads the same in every checkout.
hc() {
  (cd "$ex" && "$bin/hydrochart" "$@")
}

# Writes raw PNG $1 as $out/$2.png: metadata stripped, at most 256 colours, no dithering.
finish() {
  convert "$1" -strip -define png:exclude-chunks=date,time "$work/raw/strip.png"
  pngquant --force --nofs --strip --speed 1 --output "$out/$2.png" 256 -- "$work/raw/strip.png"
}

# A printed sheet (page 1 unless --page is among the arguments), WIDTH pixels wide.
sheet() {  # NAME WIDTH hydrochart-arguments...
  local name="$1" width="$2"; shift 2
  hc "$@" -o "$work/raw/$name.png"
  convert "$work/raw/$name.png" -resize "${width}x" "$work/raw/$name-small.png"
  finish "$work/raw/$name-small.png" "$name"
}

# Pictures side by side, each under its caption: PARTS are "caption|raw.png".
panel() {  # NAME PARTS...
  local name="$1"; shift
  local args=() part i=0
  for part in "$@"; do
    convert -background white -fill black -font "$font" -pointsize 18 \
      label:"${part%%|*}" "${part#*|}" -gravity center -append \
      -bordercolor white -border 12 "$work/raw/$name-$i.png"
    args+=("$work/raw/$name-$i.png")
    i=$((i + 1))
  done
  convert "${args[@]}" -background white -gravity north +append "$work/raw/$name.png"
  finish "$work/raw/$name.png" "$name"
}

# A hydrochart picture kept raw for a panel: the screen picture or a reduced sheet, cut to
# what is drawn.
raw_screen() {  # RAW hydrochart-arguments...
  local raw="$1"; shift
  hc "$@" --screen -o "$raw.full.png"
  convert "$raw.full.png" -trim +repage -resize '560x560>' -bordercolor white -border 8 "$raw"
}
raw_sheet() {  # RAW WIDTH hydrochart-arguments...
  local raw="$1" width="$2"; shift 2
  hc "$@" -o "$raw.full.png"
  convert "$raw.full.png" -resize "${width}x" -trim +repage -bordercolor white -border 8 "$raw"
}

# ---- Printed sheets, one per chart (the first sheet); again in English for its guide ----
sheets() {  # SUFFIX [hydrochart-arguments...]
  local s="$1"; shift
  sheet "hexa-sheet$s" 620 hexa sample12.xls "$@"
  sheet "stiff-sheet$s" 620 stiff sample12.xls "$@"
  sheet "tri-sheet$s" 620 tri sample12.xls "$@"
  sheet "rain-sheet$s" 620 rain rainprob/textbook26.txt --mode 2 "$@"
  sheet "flow-sheet$s" 760 flow flowcalc/island_section.txt --depth 1.5 --roughness 0.035 \
    --slope 800 "$@"
  sheet "piper-sheet$s" 620 piper network40.csv --fields on "$@"
  sheet "schoeller-sheet$s" 620 schoeller network40.csv "$@"
  sheet "chadha-sheet$s" 620 chadha network40.csv "$@"
  sheet "durov-sheet$s" 620 durov network40.csv "$@"
  sheet "hfed-sheet$s" 620 hfed network40.csv --mixing-line on "$@"
  sheet "ussl-sheet$s" 620 ussl network40.csv "$@"
  sheet "gibbs-sheet$s" 620 gibbs network40.csv "$@"
}
sheets ""
sheets .en --lang en

# ---- What the menu settings change ----
for t in 0 1 2; do
  raw_screen "$work/raw/nitrate$t.png" hexa nitrate5.xls --nitrate "$t"
done
panel hexa-nitrate "硝酸はふくまない|$work/raw/nitrate0.png" \
  "硝酸は塩素と一緒|$work/raw/nitrate1.png" "硝酸は硫酸と一緒|$work/raw/nitrate2.png"
raw_screen "$work/raw/scale-auto.png" hexa sample12.xls
raw_screen "$work/raw/scale-5.png" hexa sample12.xls --scale 1=5.0
panel hexa-scale "自動（1cm = 10.0）|$work/raw/scale-auto.png" \
  "１列目を 1cm = 5.0|$work/raw/scale-5.png"
raw_screen "$work/raw/dir-up.png" hexa sample12.xls
raw_screen "$work/raw/dir-down.png" hexa sample12.xls --direction down --numbering off
panel hexa-direction "下から上へ作図・番号あり|$work/raw/dir-up.png" \
  "上から下へ作図・番号なし|$work/raw/dir-down.png"
raw_screen "$work/raw/stiff.png" stiff sample12.xls
raw_screen "$work/raw/tri.png" tri sample12.xls
panel wq-screens "stiff（polyplot）|$work/raw/stiff.png" "tri（ternaryplot）|$work/raw/tri.png"
for m in 0 1 2; do
  raw_sheet "$work/raw/mode$m.png" 400 rain rainprob/textbook26.txt --mode "$m"
done
panel rain-modes "回帰結果を表示しない|$work/raw/mode0.png" \
  "回帰線だけを表示する|$work/raw/mode1.png" "回帰線と解析値を表示|$work/raw/mode2.png"
raw_screen "$work/raw/range-default.png" rain rainprob/textbook26.txt --mode 1
raw_screen "$work/raw/range-narrow.png" rain rainprob/textbook26.txt --mode 1 \
  --min 500 --max 2000
panel rain-range "横軸 0～3000 mm|$work/raw/range-default.png" \
  "横軸 500～2000 mm|$work/raw/range-narrow.png"
for d in gev logpearson3; do
  raw_screen "$work/raw/band-$d.png" rain rainprob/textbook26.txt --mode 1 --distribution "$d" \
    --band
done
panel rain-band "一般化極値分布と推定誤差の幅|$work/raw/band-gev.png" \
  "対数ピアソンⅢ型分布と 90％ 信頼限界|$work/raw/band-logpearson3.png"
for d in 1.5 3; do
  raw_screen "$work/raw/depth$d.png" flow flowcalc/island_section.txt --depth "$d" \
    --roughness 0.035 --slope 800
done
panel flow-depth "最大水深 1.5 m（流れは２つ）|$work/raw/depth1.5.png" \
  "最大水深 3 m（ひとつの流れ）|$work/raw/depth3.png"
for method in parts subdivided; do
  raw_screen "$work/raw/rating-$method.png" flow flowcalc/river_section.txt --rating 0.1 \
    --method "$method" --roughness 0.035 --slope 800
done
panel flow-rating-methods "水路ごとに計算|$work/raw/rating-parts.png" \
  "断面を分割して計算|$work/raw/rating-subdivided.png"
sheet flow-energy 760 flow flowcalc/floodplain_section.txt --energy 150 --roughness 0.035 \
  --slope 1000

# ---- The template's filled rows (sample12.xls, columns A to F, rows 9 to 21) ----
# Drawn from the cells the programs read, so the picture follows the example workbook.
template_rows() {
  /usr/bin/python3 - "$ex/sample12.xls" "$font" << 'EOF'
import sys
import xlrd
sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name("Sheet1")
font = sys.argv[2]
rows = range(8, 21)            # rows 9..21
cols = range(0, 6)             # A..F
widths = [150] + [118] * 5
head_w, row_h = 40, 26
def text(r, c):
    v = sheet.cell_value(r, c)
    if isinstance(v, float):
        return ("%d" % v) if v == int(v) else ("%g" % v)
    return str(v).replace("\\", "\\\\").replace('"', '\\"')
width = head_w + sum(widths)
height = row_h * (len(rows) + 1)
print("viewbox 0 0 %d %d" % (width, height))
print("font '%s' font-size 14 stroke none" % font)
print("fill '#e8e8e8' rectangle 0,0 %d,%d" % (width, row_h))
print("fill '#e8e8e8' rectangle 0,0 %d,%d" % (head_w, height))
# Rows the programs read are tinted: the count, the names and the ions, marks and colours.
for i, r in enumerate(rows):
    if r >= 9:
        right = head_w + widths[0] + widths[1] if r == 9 else width
        print("fill '#eef4ff' rectangle %d,%d %d,%d" % (head_w + widths[0], row_h * (i + 1),
                                                        right, row_h * (i + 2)))
print("fill black")
x = head_w
for j, c in enumerate(cols):
    print('text %d,%d "%s"' % (x + widths[j] // 2 - 4, 18, "ABCDEF"[j]))
    x += widths[j]
for i, r in enumerate(rows):
    y = row_h * (i + 1) + 18
    print('text %d,%d "%d"' % (8, y, r + 1))
    x = head_w
    for j, c in enumerate(cols):
        t = text(r, c)
        if len(t) > 13 and c > 0:
            t = t[:12] + "…"
        print('text %d,%d "%s"' % (x + 6, y, t))
        x += widths[j]
print("stroke '#a0a0a0' stroke-width 1 fill none")
for i in range(len(rows) + 2):
    print("line 0,%d %d,%d" % (row_h * i, width, row_h * i))
x = 0
for w in [head_w] + widths:
    print("line %d,0 %d,%d" % (x, x, height))
    x += w
print("line %d,0 %d,%d" % (width - 1, width - 1, height))
EOF
}
template_rows > "$work/raw/template.mvg"
size="$(head -1 "$work/raw/template.mvg" | awk '{print $4 "x" $5}')"
# The drawing is passed as text: ImageMagick's usual policy refuses reading it from a file.
convert -size "$size" xc:white -draw "$(tail -n +2 "$work/raw/template.mvg")" \
  "$work/raw/template.png"
finish "$work/raw/template.png" template-rows

# ---- The windows, each with an example loaded ----
# A window shows the full path of its file, so the examples are opened from one fixed place,
# the same in every checkout; runs side by side take turns through the lock.
shots=/tmp/hydrochart-guide
exec 9> "$shots.lock"
flock 9
rm -rf "$shots"
mkdir -p "$shots"
cp -r "$ex" "$shots/examples"
# Xvfb picks a free display itself (-displayfd), so that several runs can go on side by side.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x900x24 -nolisten tcp 2> /dev/null)
xvfb_pid=$!
read -r -u 3 number
disp=":$number"
sleep 0.5

newest_window() {
  DISPLAY=$disp xdotool search --onlyvisible --name . 2> /dev/null | sort -n | tail -1
}
# Without a window manager the keyboard goes to the window given the focus: the newest one.
key() {
  local w
  w="$(newest_window)"
  [[ -n "$w" ]] && DISPLAY=$disp xdotool windowfocus --sync "$w" 2> /dev/null || true
  DISPLAY=$disp xdotool "$@"
  sleep 0.7
}
# Starts PROGRAM, lets the splash pass, opens FILE through File>Open, sends the keys that
# follow (a word starting with "type:" is typed as text), then photographs the main window, or
# with shot_dialog=1 the newest window (the dialog the keys opened).
window() {  # NAME PROGRAM FILE [keys...]
  local name="$1" program="$2" file="$3"; shift 3
  # shellcheck disable=SC2086  # shot_args: options of the program, split at blanks
  (cd "$shots/examples" && DISPLAY=$disp exec "$bin/$program" ${shot_args:-} > /dev/null 2>&1) &
  local pid=$! main
  sleep 2.5
  main="$(newest_window)"
  key key alt+f
  key key o
  key type --delay 5 "$shots/examples/$file"
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
  sleep 1
  # The main window is given the focus before the picture: no text caret blinks in a box.
  [[ ${shot_dialog:-0} == 1 ]] ||
    DISPLAY=$disp xdotool windowfocus --sync "$main" 2> /dev/null || true
  DISPLAY=$disp xdotool mousemove 0 0
  sleep 0.5
  local target="$main"
  [[ ${shot_dialog:-0} == 1 ]] && target="$(newest_window)"
  DISPLAY=$disp import -window "$target" "$work/raw/$name.png"
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  finish "$work/raw/$name.png" "$name"
}
# Each window program with the example and keys of its line in programs.txt, in Japanese and,
# for the English guide, in English (the keys are the same: the English menus keep the letters).
while read -r -u 4 program kind example keys; do
  [[ $program == \#* || $kind != window || $example == - ]] && continue
  read -ra keys <<< "$keys"
  window "$program-window" "$program" "$example" "${keys[@]}"
  shot_args="--lang en" window "$program-window.en" "$program" "$example" "${keys[@]}"
done 4< "$programs"
# rainprob's 適合度 table (確率解析 > 適合度).
shot_dialog=1 window rainprob-fit-table rainprob rainprob/textbook26.txt alt+r f

[[ $mode == write ]] && { echo "pictures written to $images"; exit 0; }

# ---- --check: the committed pictures against the ones just drawn ----
tolerance="${HC_SHOT_TOLERANCE:-0.2}"
status=0
for f in "$images"/*.png; do
  name="$(basename "$f")"
  new="$out/$name"
  if [[ ! -f "$new" ]]; then
    echo "not drawn any more: $name (remove it from docs/images and the guide)" >&2
    status=1
    continue
  fi
  old_size="$(identify -format '%wx%h' "$f")"
  new_size="$(identify -format '%wx%h' "$new")"
  if [[ "$old_size" != "$new_size" ]]; then
    echo "differs: $name (size $old_size, now $new_size)" >&2
    status=1
    continue
  fi
  pixels="$(compare -metric AE -fuzz 3% "$f" "$new" /dev/null 2>&1 || true)"
  total=$(( ${old_size%x*} * ${old_size#*x} ))
  if ! awk -v p="$pixels" -v t="$total" -v tol="$tolerance" \
      'BEGIN { exit !(p ~ /^[0-9.e+]+$/ && 100 * p <= tol * t) }'; then
    echo "differs: $name ($pixels of $total pixels)" >&2
    status=1
  fi
done
for f in "$out"/*.png; do
  [[ -f "$images/$(basename "$f")" ]] || {
    echo "not committed: $(basename "$f") (run scripts/screenshots.sh)" >&2
    status=1
  }
done
if [[ $status == 0 ]]; then
  echo "pictures in step with the programs"
else
  keep=1
  echo "the new pictures are in $out; run scripts/screenshots.sh to update docs/images," \
    "and check that the guide still fits them" >&2
fi
exit $status
