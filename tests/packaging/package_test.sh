#!/usr/bin/env bash
# The Debian package of the build: made by cpack, then its control fields and contents, and
# lintian's verdict.
#   package_test.sh build|contents|lintian BUILD_DIR OUT_DIR VERSION
set -euo pipefail
step=$1
build=$2
out=$3
version=$4

need() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
      exit 77
    fi
  done
}

deb="$out/hydrochart_${version}_$(dpkg --print-architecture 2>/dev/null || echo unknown).deb"

case "$step" in
  build)
    need cpack dpkg-deb dpkg-shlibdeps
    rm -rf "$out"
    mkdir -p "$out"
    cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
      { cat "$out/cpack.log"; exit 1; }
    [ -f "$deb" ] || { echo "FAIL: cpack made no $deb"; ls "$out"; exit 1; }
    echo "made $deb" ;;

  contents)
    need dpkg-deb
    failures=0
    fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = hydrochart ] || fail "Package: $(field Package)"
    [ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
    depends=$(field Depends)
    # Computed from the programs' links: Qt, the workbook libraries, the C++ runtime.
    names=$(sed -e 's/ *([^)]*)//g' -e 's/, */\n/g' <<<"$depends")
    for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
               libqt6svg6 libgsf-1-114 libxml2; do
      grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
    done
    listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
    expected=(./usr/share/hydrochart/hinagata.xls ./usr/share/hydrochart/manning.txt
              ./usr/share/hydrochart/manning.en.txt
              ./usr/share/doc/hydrochart/copyright ./usr/share/doc/hydrochart/changelog.gz
              ./usr/share/doc/hydrochart/examples/sample12.xls
              ./usr/share/bash-completion/completions/hydrochart)
    # The programs the build has, and those of them with a window (menu entry, icon).
    mapfile -t programs < <(grep -v '^#' "$build/programs.txt" | cut -d' ' -f1)
    mapfile -t windows < <(grep -v '^#' "$build/programs.txt" | awk '$2 == "window" { print $1 }')
    [ "${#programs[@]}" -gt 0 ] && [ "${#windows[@]}" -gt 0 ] ||
      fail "no programs listed in $build/programs.txt"
    for p in "${programs[@]}"; do
      expected+=(./usr/bin/$p)
      [ "${HC_EXPECT_MAN_PAGES:-1}" = 0 ] || expected+=(./usr/share/man/man1/$p.1.gz)
    done
    for p in "${windows[@]}"; do
      expected+=(./usr/share/applications/$p.desktop ./usr/share/metainfo/hydrochart.suite.$p.metainfo.xml
                 ./usr/share/icons/hicolor/scalable/apps/$p.svg)
    done
    for f in "${expected[@]}"; do
      grep -qxF "$f" <<<"$listing" || fail "the package lacks $f"
    done
    # Nothing from the build or test tree, and nothing outside /usr.
    grep -vE '^\./(usr/)?$|^\./usr/' <<<"$listing" && fail "files outside /usr"
    grep -E '\.(o|a|cmake)$|/tests?/|/build/' <<<"$listing" && fail "build or test files packaged"
    [ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
    echo "package fields and contents as expected" ;;

  lintian)
    need lintian
    # Errors fail; warnings and notes are shown for whoever reads the log.
    lintian --fail-on error --display-info "$deb" ;;

  *)
    echo "usage: $0 build|contents|lintian BUILD_DIR OUT_DIR VERSION" >&2
    exit 2 ;;
esac
