#!/usr/bin/env bash
# Builds the Debian package and prints its path:
#   bash scripts/package.sh [BUILD_DIR]
# Without BUILD_DIR the programs are built in build-package/, with Debian's
# hardening flags and without the tests (so only the build dependencies are
# needed: install-deps.sh --package). Given a build tree already
# configured, such as the one scripts/test.sh made, it packs what that tree
# built.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUBERA_TESTS=OFF \
    -DNUBERA_HARDENING=ON >/dev/null
fi
cmake --build "$build" >/dev/null
rm -f "$build"/nubera_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/nubera_*.deb
