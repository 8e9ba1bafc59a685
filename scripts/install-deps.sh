#!/usr/bin/env bash
# Installs every build, test and run-time dependency on a fresh Debian 12 machine.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools qt6-translations-l10n
  libqt6svg6 qt6-qpa-plugins libgl-dev
  libpugixml-dev libzip-dev libssl-dev zip unzip nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev
  fonts-noto-cjk
  python3-openpyxl poppler-utils
  xvfb xauth hyperfine
  clang-14 libfuzzer-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
