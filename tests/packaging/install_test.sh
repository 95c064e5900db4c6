#!/usr/bin/env bash
# Installs the built suite into a temporary prefix, and with DESTDIR into a tree that is then
# moved, and runs hydrochart and flowcalc from there: the programs must find their data
# relative to where they now lie, not where the build put or meant to put them.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/empty"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The programs the build has, and those of them with a window (menu entry, icon).
mapfile -t programs < <(grep -v '^#' "$build/programs.txt" | cut -d' ' -f1)
mapfile -t windows < <(grep -v '^#' "$build/programs.txt" | awk '$2 == "window" { print $1 }')
[ "${#programs[@]}" -gt 0 ] && [ "${#windows[@]}" -gt 0 ] || {
  echo "FAIL: no programs listed in $build/programs.txt"; exit 1; }

expect_file() { [ -f "$1" ] || fail "not installed: ${1#$tmp/}"; }

check_tree() {
  local root=$1
  for p in "${programs[@]}"; do
    [ -x "$root/bin/$p" ] || fail "not installed: ${root#$tmp/}/bin/$p"
    [ "${HC_EXPECT_MAN_PAGES:-1}" = 0 ] || expect_file "$root/share/man/man1/$p.1.gz"
  done
  for p in "${windows[@]}"; do
    expect_file "$root/share/applications/$p.desktop"
    expect_file "$root/share/metainfo/hydrochart.suite.$p.metainfo.xml"
    expect_file "$root/share/icons/hicolor/scalable/apps/$p.svg"
  done
  expect_file "$root/share/hydrochart/hinagata.xls"
  expect_file "$root/share/hydrochart/manning.txt"
  expect_file "$root/share/hydrochart/manning.en.txt"
  expect_file "$root/share/doc/hydrochart/copyright"
  expect_file "$root/share/doc/hydrochart/examples/sample12.xls"
  expect_file "$root/share/doc/hydrochart/guide.md"
  expect_file "$root/share/bash-completion/completions/hydrochart"
  expect_file "$root/share/doc/hydrochart/images/sixsideplot-window.png"

  # hydrochart from an unrelated directory, on the installed examples.
  local out
  out=$(cd "$tmp/empty" && "$root/bin/hydrochart" --version)
  [ "$(head -n 1 <<<"$out")" = "hydrochart (hydrochart suite) $version" ] ||
    fail "hydrochart --version said '$out'"
  # The same numbers as the build tree's hydrochart gives for the same section.
  local flow=(flow --depth 5 --roughness 0.035 --slope 800 --json)
  out=$(cd "$tmp/empty" && "$root/bin/hydrochart" "${flow[@]}" \
    "$root/share/doc/hydrochart/examples/flowcalc/river_section.txt") || fail "hydrochart flow failed"
  [ -n "$out" ] && [ "$out" = "$("$build/bin/hydrochart" "${flow[@]}" "$source/examples/flowcalc/river_section.txt")" ] ||
    fail "installed hydrochart flow differs from the build's: $out"
  (cd "$tmp/empty" && "$root/bin/hydrochart" hexa \
    "$root/share/doc/hydrochart/examples/sample12.xls" -o "$tmp/hexa.pdf") ||
    fail "hydrochart hexa failed"
  [ "$(head -c 5 "$tmp/hexa.pdf" 2>/dev/null)" = "%PDF-" ] || fail "hydrochart hexa wrote no PDF"
  rm -f "$tmp/hexa.pdf"
  # Nothing installed depends on where the suite was built: no path of the source or the build
  # folder in a program (a compiled-in folder, __FILE__, debug information).
  if command -v strings >/dev/null; then
    for p in "${programs[@]}"; do
      if strings -a "$root/bin/$p" | grep -qF -e "$source" -e "$build"; then
        fail "$p holds a path of the build machine: $(strings -a "$root/bin/$p" |
          grep -F -e "$source" -e "$build" | head -1)"
      fi
    done
  fi
}

# Runs a window program offscreen in an empty directory for a few seconds, its standard error
# into $2. It must still be running when stopped: it started and did not give up.
run_window() {
  local status=0
  (cd "$tmp/empty" && QT_QPA_PLATFORM=offscreen timeout -s TERM 6 "$1") 2>"$2" || status=$?
  [ "$status" -eq 124 ] || fail "$1 ended by itself with status $status: $(cat "$2")"
}

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
check_tree "$tmp/prefix"

# DESTDIR puts the tree under the configured prefix; then it moves once more.
DESTDIR="$tmp/dest" cmake --install "$build" --prefix /opt/hydrochart >/dev/null
mv "$tmp/dest/opt/hydrochart" "$tmp/moved"
rm -rf "$tmp/dest"
check_tree "$tmp/moved"

run_window "$tmp/moved/bin/flowcalc" "$tmp/found.err"
if grep -q 'manning.txt' "$tmp/found.err"; then
  fail "flowcalc did not find its installed manning.txt: $(cat "$tmp/found.err")"
fi
# The control: without the installed file the program says so, naming where it looked.
rm "$tmp/moved/share/hydrochart/manning.txt"
run_window "$tmp/moved/bin/flowcalc" "$tmp/missing.err"
grep -q "flowcalc: data file manning.txt not found in $tmp/empty, $tmp/moved/bin, $tmp/moved/share/hydrochart" \
  "$tmp/missing.err" || fail "a missing manning.txt was not reported: $(cat "$tmp/missing.err")"

if [ "$failures" -gt 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "installed suite runs from a moved prefix"
