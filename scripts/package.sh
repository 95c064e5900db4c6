#!/usr/bin/env bash
# Builds the Debian package from a clean tree, as a packager would: a Release build with
# Debian's hardening flags and without the tests, then `cpack -G DEB`.
#   scripts/package.sh [OUTPUT_DIR]     (default: build/package/out)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/deps.sh"
build="$here/build/package"
out="${1:-$build/out}"
rm -rf "$build"
# dpkg-buildflags gives the distribution's flags (fortify, stack protector, RELRO).
export CPPFLAGS="$(dpkg-buildflags --get CPPFLAGS)"
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}"
cmake --build "$build" -j2
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out")
deb=$(ls "$out"/hydrochart_*.deb)
echo "$deb"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
