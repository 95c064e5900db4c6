#!/usr/bin/env bash
# Installs the Debian packages the suite needs to build, run and test, skipping what is present.
set -euo pipefail
packages=(
  build-essential clang cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools  # Qt Linguist: the English of the windows
  libgsf-1-dev libxml2-dev libfontconfig-dev libgtest-dev locales
  libboost-math-dev  # Boost.Math: the gamma quantiles of the Pearson type III fits
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
  xvfb xauth xdotool imagemagick poppler-utils pngquant
  python3 python3-xlwt python3-xlrd python3-olefile
  help2man dpkg-dev file lintian desktop-file-utils appstream
  libclang-rt-dev  # the fuzz preset: clang with libFuzzer and the sanitizer runtimes
  libbenchmark-dev  # the bench preset: Google Benchmark
  libcups2-dev  # print jobs through libcups
  cups-daemon cups-client cups-filters printer-driver-cups-pdf  # the tests' private print server
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "deps.sh: these Debian packages are missing and sudo is not available;" >&2
      echo "  install them as root: apt-get install ${missing[*]}" >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  # sudo drops the caller's environment, so the frontend is passed through env.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The window, print and export tests run under ja_JP.UTF-8 as well as C.UTF-8, as users do.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  echo "Generating the locale ja_JP.UTF-8"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ja_JP.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen
fi
