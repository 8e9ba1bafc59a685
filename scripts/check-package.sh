#!/usr/bin/env bash
# Checks a Debian package as its users would meet it: lintian, pedantic,
# must find no error and no warning (the remaining information tags are
# printed); the desktop entry and the metainfo validate; and the package's
# files, unpacked into a temporary root, run as installed
# (tests/install/installed_programs_test.sh).
#   bash scripts/check-package.sh PACKAGE.deb
set -euo pipefail
package=$(realpath "${1:?the .deb to check}")
cd "$(dirname "$0")/.."
lintian --pedantic --display-info --display-experimental --fail-on error,warning "$package"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
bash tests/install/installed_programs_test.sh "" "$PWD" "$package"
