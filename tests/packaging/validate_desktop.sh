#!/usr/bin/env bash
# The generated menu entries and AppStream metadata pass the desktop's own validators.
#   validate_desktop.sh GENERATED_DIR
set -uo pipefail
dir=$1
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
if [ "$count" -ne 10 ]; then
  echo "FAIL: expected 5 .desktop and 5 .metainfo.xml files in $dir, found $count"
  status=1
fi
exit $status
