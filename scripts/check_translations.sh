#!/usr/bin/env bash
# Fails when a text marked for translation in the sources has no English in the translation
# file: gathers the marked texts into a copy of the file, as the update_translations target
# does, and lists every one left unfinished.
#   scripts/check_translations.sh LUPDATE TS_FILE SOURCE_FOLDER...
set -euo pipefail
lupdate=$1 ts=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
find "$@" \( -name '*.cpp' -o -name '*.h' \) > "$work/sources.lst"
"$lupdate" -tr-function-alias tr+=T,tr+=TS,QT_TR_NOOP+=N -locations none -no-obsolete \
  -no-ui-lines "@$work/sources.lst" -ts "$work/check.ts" > /dev/null 2>&1
python3 - "$work/check.ts" << 'PY'
import sys, xml.etree.ElementTree as ET
missing = [m.find("source").text for m in ET.parse(sys.argv[1]).iter("message")
           if m.find("translation").get("type") == "unfinished" or not m.find("translation").text]
for s in missing:
    print("no English for:", s)
print(f"{len(missing)} text(s) without English" if missing else "every marked text has its English")
sys.exit(1 if missing else 0)
PY
