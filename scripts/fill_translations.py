#!/usr/bin/env python3
"""Fills translations into i18n/hydrochart_en.ts from one or more Python files that each define
a dict T mapping the Japanese source text to its English. Used when many texts are translated at
once; single texts are as easily translated in Qt Linguist. Lists the sources still untranslated.

    scripts/fill_translations.py i18n/hydrochart_en.ts TEXTS.py...
"""
import runpy
import sys
import xml.etree.ElementTree as ET


def main():
    ts, dicts = sys.argv[1], sys.argv[2:]
    table = {}
    for d in dicts:
        table.update(runpy.run_path(d)["T"])
    tree = ET.parse(ts)
    missing = []
    for m in tree.iter("message"):
        source = m.find("source").text or ""
        tr = m.find("translation")
        if source in table:
            tr.text = table[source]
            tr.attrib.pop("type", None)
        elif tr.get("type") == "unfinished" or not (tr.text or ""):
            missing.append(source)
    with open(ts, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        ET.indent(tree, "    ")
        f.write(ET.tostring(tree.getroot(), encoding="unicode"))
        f.write("\n")
    for s in missing:
        print("untranslated:", repr(s))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
