#!/usr/bin/env bash
# Gathers the texts marked for translation (hc::T, hc::TS, hc::N) into the translation files,
# or, with --check, fails when one of them has no English yet.
#   scripts/update_translations.sh [--check] LUPDATE TS_FILE SOURCE_FOLDER...
# The sources are given as files, without include paths: lupdate then reads each file alone
# instead of following its includes into Qt's and Boost's headers, which takes minutes.
set -euo pipefail
check=0
if [ "${1:-}" = --check ]; then
  check=1
  shift
fi
lupdate=$1 ts=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
target=$ts
if [ "$check" = 1 ]; then
  cp "$ts" "$work/check.ts"
  target=$work/check.ts
fi
find "$@" \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort > "$work/sources.lst"
"$lupdate" -tr-function-alias tr+=T,tr+=TS,QT_TR_NOOP+=N -locations none -no-obsolete \
  -no-ui-lines "@$work/sources.lst" -ts "$target" 2>&1 | grep -E 'Found|Updating' || true
[ "$check" = 1 ] || exit 0
python3 - "$target" << 'PY'
import sys, xml.etree.ElementTree as ET
missing = [m.find("source").text for m in ET.parse(sys.argv[1]).iter("message")
           if m.find("translation").get("type") == "unfinished" or not m.find("translation").text]
for s in missing:
    print("no English for:", s)
print(f"{len(missing)} text(s) without English" if missing else "every marked text has its English")
sys.exit(1 if missing else 0)
PY
