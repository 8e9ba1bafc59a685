#!/usr/bin/env bash
# The browser edition: builds build-web/dist/, static files that run from a
# folder, a file share or any web server, on a Debian 12 machine.
#   bash scripts/web.sh           installs what is missing and builds dist/
#   bash scripts/web.sh --test    ... then runs the browser tests in Chromium
#                                 (they compare with the native build in build/)
#   bash scripts/web.sh --serve   ... then serves dist/ on 127.0.0.1 until stopped
# The module is the core and the report compiled by emscripten; the C
# libraries under it come from Debian's source packages of the versions the
# native build uses, fetched with `apt-get source` through an apt
# configuration of build-web/'s own (nothing under /etc changes).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
case $mode in
  "" | --test | --serve) ;;
  *) echo "usage: bash scripts/web.sh [--test|--serve]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh --web
# Debian's emscripten with Debian's Python and Node.js modules (acorn),
# whichever python3 and node come first on PATH.
export EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
out=$PWD/build-web
mkdir -p "$out"

# Debian's source packages of the libraries, unpacked into sources/. The
# source lines are this machine's own package sources as deb-src.
fetch_sources() {
  local apt=$out/apt sources=$out/sources
  local wanted=() binary source
  for binary in zlib1g-dev libzip-dev libpugixml-dev libmd-dev; do
    source=$(dpkg-query -W -f='${source:Package}=${source:Version}' "$binary")
    wanted+=("$source")
  done
  if [[ -f $sources/fetched && $(<"$sources/fetched") == "${wanted[*]}" ]]; then
    return
  fi
  rm -rf "$apt" "$sources"
  mkdir -p "$apt/sources.list.d" "$apt/lists/partial" "$apt/cache/archives/partial" "$sources"
  local file
  for file in /etc/apt/sources.list.d/*.sources; do
    [[ -e $file ]] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$apt/sources.list.d/$(basename "$file")"
  done
  if [[ -f /etc/apt/sources.list ]]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$apt/sources.list.d/sources.list"
  fi
  local options=(
    -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d"
    -o Dir::State="$apt/state" -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
    -o Dir::State::status=/var/lib/dpkg/status -o Debug::NoLocking=true
    -o APT::Sandbox::User="$(id -un)"
  )
  apt-get "${options[@]}" -q update >/dev/null
  (cd "$sources" && apt-get "${options[@]}" -q source --only-source "${wanted[@]}" >/dev/null)
  echo "${wanted[*]}" >"$sources/fetched"
}

build_module() {
  if [[ ! -f $out/cmake/build.ninja ]]; then
    emcmake cmake -S . -B "$out/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
      -DNUBERA_WEB_SOURCES="$out/sources" >/dev/null
  fi
  cmake --build "$out/cmake" --target nubera_module
}

# The page and its worker in TypeScript, checked by tsc and bundled by
# esbuild. The worker script holds the module too: a page opened from a
# folder cannot fetch files or start a worker from one, so the page starts
# the worker from the text of this script, which it loads as its own.
build_page() {
  if [[ ! -d web/node_modules || web/package-lock.json -nt web/node_modules ]]; then
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
  fi
  web/node_modules/.bin/tsc -p web
  local dist=$out/dist page=$out/page
  rm -rf "$dist" && mkdir -p "$dist" "$page"
  esbuild web/page/worker.ts --bundle --format=iife --target=es2020 --minify \
    --log-level=warning --outfile="$page/worker.js"
  {
    echo "self.nuberaWorker = function () {"
    cat "$out/cmake/bin/nubera-module.js" "$page/worker.js"
    echo "};"
  } >"$dist/nubera-worker.js"
  esbuild web/page/main.ts --bundle --format=iife --target=es2020 --minify \
    --log-level=warning --outfile="$dist/nubera.js"
  cp web/page/index.html web/page/nubera.css "$dist/"
  # The service worker caches this build's files under a name of their own.
  local build
  build=$(cd "$dist" && cat index.html nubera.css nubera.js nubera-worker.js | sha256sum | cut -c1-16)
  esbuild web/page/offline.ts --bundle --format=iife --target=es2020 --minify \
    --define:NUBERA_BUILD="\"$build\"" --log-level=warning --outfile="$dist/nubera-offline.js"
}

fetch_sources
build_module
build_page
echo "build-web/dist/: $(cd "$out/dist" && ls | tr '\n' ' ')"

case $mode in
  --test) node --test web/tests/ ;;
  --serve) node web/tests/serve.mjs "$out/dist" ;;
esac
