#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   scripts/test.sh            the default build
#   scripts/test.sh asan       the AddressSanitizer/UBSan build
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"
bash "$here/scripts/deps.sh"
cd "$here"
cmake --preset "$preset"
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
