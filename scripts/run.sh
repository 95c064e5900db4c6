#!/usr/bin/env bash
# Installs what is missing, builds, and starts one program of the suite:
#   scripts/run.sh PROGRAM [args...]
# PROGRAM is one of the suite's programs, as the build lists them in build/default/programs.txt
# (sixsideplot when none is given).
# The package check and the configure step run only when something they depend on changed
# (scripts/deps.sh, CMakePresets.json, a missing build folder); the build itself is ninja's
# no-op when nothing changed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-sixsideplot}"
shift || true
build="$here/build/default"
stamps="$build/.run-stamps"

# A stamp holds the checksum of the files a step depends on; the step runs when it differs.
changed() {
  local name=$1
  shift
  local sum
  sum=$(cat "$@" 2>/dev/null | cksum)
  [ "$(cat "$stamps/$name" 2>/dev/null)" != "$sum" ]
}
stamp() {
  local name=$1
  shift
  mkdir -p "$stamps"
  cat "$@" 2>/dev/null | cksum >"$stamps/$name"
}

if changed deps "$here/scripts/deps.sh"; then
  bash "$here/scripts/deps.sh"
  stamp deps "$here/scripts/deps.sh"
fi
if [ ! -f "$build/build.ninja" ] || changed configure "$here/CMakePresets.json"; then
  echo "run.sh: configuring the build in $build" >&2
  cmake --preset default -S "$here" >/dev/null
  stamp configure "$here/CMakePresets.json"
fi
# The configure step writes the list of programs; ninja redoes it first when a CMakeLists.txt
# changed (a program just added).
ninja -C "$build" build.ninja >/dev/null
known=$(grep -v '^#' "$build/programs.txt" | cut -d' ' -f1)
if ! grep -qxF -e "$program" <<<"$known"; then
  echo "run.sh: unknown program '$program'" >&2
  echo "usage: scripts/run.sh $(echo $known | tr ' ' '|') [args...]" >&2
  exit 2
fi
# Changes to CMakeLists.txt files are picked up by the build itself. Ninja's status line shows
# the progress (a first build takes many minutes); a build with nothing to do says so in a line.
ninja -C "$build" -j2 "$program" >&2
# The program starts in the caller's directory, so that relative file names and -o paths mean
# what they say; it finds its data files (hinagata.xls, manning.txt) beside its executable.
exec "$build/bin/$program" "$@"
