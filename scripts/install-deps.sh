#!/usr/bin/env bash
# Installs what building, testing and packaging need on a fresh Debian 12
# machine, as root or through sudo:
#   bash scripts/install-deps.sh            everything: build, tests, fuzzing, package checks
#   bash scripts/install-deps.sh --package  only what building the Debian package needs
#   bash scripts/install-deps.sh --web      only what the browser edition and its tests need
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

# The programs and their package (scripts/package.sh): compilers, Qt, the
# libraries (fontconfig: nubera-pdf loads Qt's font configuration early), zip for the report template, git for the version, and what
# cpack uses to make the .deb (dpkg-shlibdeps in dpkg-dev, file, strip).
package=(
  build-essential cmake ninja-build pkg-config git zip file dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools libgl-dev
  libpugixml-dev libzip-dev libssl-dev nlohmann-json3-dev libcli11-dev libfontconfig-dev
  libfmt-dev libfast-float-dev
)
# The tests and what they run: the programs offscreen with a Japanese font,
# the workbooks and PDFs read back, the package's metadata and completion
# checked; the fuzz build, the benchmarks and the format check.
development=(
  clang-format libgtest-dev libgmock-dev
  qt6-translations-l10n libqt6svg6 qt6-qpa-plugins fonts-noto-cjk
  unzip python3-openpyxl poppler-utils xvfb xauth hyperfine
  clang-14 libfuzzer-14-dev
  lintian man-db bash-completion desktop-file-utils appstream
)

# The browser edition (scripts/web.sh): emscripten, the header-only
# libraries, the -dev packages whose source packages it compiles (and
# dpkg-dev to unpack them), esbuild for the page and Chromium for its tests.
# npm only where node came without it.
web=(
  emscripten esbuild chromium cmake ninja-build zip dpkg-dev
  libfmt-dev libfast-float-dev nlohmann-json3-dev libpugixml-dev libzip-dev zlib1g-dev libmd-dev
)
command -v npm >/dev/null || web+=(npm)

case ${1:-} in
  --package) wanted=("${package[@]}") ;;
  --web) wanted=("${web[@]}") ;;
  "") wanted=("${package[@]}" "${development[@]}") ;;
  *) echo "usage: bash scripts/install-deps.sh [--package|--web]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps.sh: run it as root (su -c 'bash scripts/install-deps.sh $*'), or install sudo;" \
      "missing: ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
