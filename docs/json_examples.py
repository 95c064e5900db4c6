#!/usr/bin/env python3
"""Prints the example document of every hydrochart command for docs/json.md.

Run from the top of the source tree with the built command:
    docs/json_examples.py build/default/bin/hydrochart
Each example is the command's real output on a file of examples/, with every array cut to its
first element so that the page stays short; "schema" and "file" are put first.
"""
import json
import subprocess
import sys

EXAMPLES = [
    ("hexa", ["examples/sample12.xls", "--json"]),
    ("stiff", ["examples/sample12.xls", "--json", "--nitrate", "2"]),
    ("tri", ["examples/sample12.xls", "--json"]),
    ("rain", ["examples/rainprob/textbook26.txt", "--json", "--distribution", "gumbel"]),
    ("flow", ["examples/flowcalc/island_section.txt", "--json", "--roughness", "0.035",
              "--slope", "800", "--discharge", "20", "--rating", "0.5"]),
    ("check", ["examples/sample12.xls", "--json"]),
    ("piper", ["examples/sample12.xls", "--json"]),
    ("classify", ["examples/sample12.xls", "--json", "--nitrate", "1"]),
    ("ussl", ["examples/network40.csv", "--json"]),
    ("gibbs", ["examples/network40.csv", "--json", "--gibbs-basis", "meq"]),
    ("durov", ["examples/network40.csv", "--json"]),
    ("hfed", ["examples/network40.csv", "--json", "--mixing-line", "on"]),
]


def trim(v):
    if isinstance(v, list):
        return [trim(x) for x in v[:1]]
    if isinstance(v, dict):
        first = {k: trim(v[k]) for k in ("schema", "file") if k in v}
        first.update({k: trim(x) for k, x in v.items() if k not in first})
        return first
    return v


def main():
    exe = sys.argv[1]
    for command, args in EXAMPLES:
        out = subprocess.run([exe, command] + args, check=False, capture_output=True).stdout
        print(f"### `hydrochart {command} {' '.join(args)}`\n")
        print("```json")
        print(json.dumps(trim(json.loads(out)), indent=2, ensure_ascii=False))
        print("```\n")


main()
