#!/usr/bin/env bash
# The generated menu entries and AppStream metadata pass the desktop's own validators, and
# every window program of the build has both.
#   validate_desktop.sh GENERATED_DIR PROGRAMS_TXT
set -uo pipefail
dir=$1
programs_txt=$2
status=0
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/deps.sh installs desktop-file-utils and appstream)"
    exit 77
  fi
done
count=0
for f in "$dir"/*.desktop; do
  count=$((count + 1))
  # desktop-file-validate prints hints too; only errors and warnings fail.
  out=$(desktop-file-validate "$f" 2>&1)
  echo "$out" | grep -v ': hint: ' | grep . && { echo "FAIL: $f"; status=1; }
done
for f in "$dir"/*.metainfo.xml; do
  count=$((count + 1))
  if ! appstreamcli validate --no-net "$f"; then
    echo "FAIL: $f"
    status=1
  fi
done
windows=$(grep -v '^#' "$programs_txt" | awk '$2 == "window" { print $1 }')
[ -n "$windows" ] || { echo "FAIL: no window programs in $programs_txt"; status=1; }
for p in $windows; do
  for f in "$dir/$p.desktop" "$dir"/*."$p.metainfo.xml"; do
    [ -f "$f" ] || { echo "FAIL: $p has no $(basename "$f")"; status=1; }
  done
done
expected=$(( 2 * $(wc -w <<<"$windows") ))
if [ "$count" -ne "$expected" ]; then
  echo "FAIL: expected a .desktop and a .metainfo.xml file for each of $(echo $windows) in $dir, found $count files"
  status=1
fi
exit $status
