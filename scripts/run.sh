#!/usr/bin/env bash
# Installs what is missing, builds, and starts one program of the suite:
#   scripts/run.sh sixsideplot|polyplot|ternaryplot|rainprob|flowcalc [args...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-sixsideplot}"
shift || true
case "$program" in
  sixsideplot|polyplot|ternaryplot|rainprob|flowcalc|hydrochart) ;;
  *)
    echo "run.sh: unknown program '$program'" >&2
    echo "usage: scripts/run.sh sixsideplot|polyplot|ternaryplot|rainprob|flowcalc [args...]" >&2
    exit 2 ;;
esac
bash "$here/scripts/deps.sh"
cmake --preset default -S "$here" >/dev/null
cmake --build "$here/build/default" --target "$program" -j2
# Programs look for their data files (hinagata.xls, manning.txt) in the start-up directory
# first and then beside the executable; start them from the examples folder.
cd "$here/examples"
exec "$here/build/default/bin/$program" "$@"
