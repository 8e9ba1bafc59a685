#!/usr/bin/env bash
# Installs the build (or unpacks a Debian package) into a temporary root and
# runs the installed programs from a folder outside both trees, as root when
# the tests run as root: they find their template, figures, help and
# nubera-pdf relative to themselves, report one version, and the desktop
# program saves its workbook in the documents folder, never beside itself.
#   installed_programs_test.sh BUILD_DIR SOURCE_DIR [PACKAGE.deb]
set -euo pipefail
build=$1
source=$2
package=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

root=$work/root
if [[ -n $package ]]; then
  dpkg-deb -x "$package" "$root"
else
  DESTDIR=$root cmake --install "$build" --prefix /usr > "$work/install.log"
fi
prefix=$root/usr
for file in bin/nubera bin/nubera-cli libexec/nubera/nubera-pdf \
            share/nubera/即時沈下量計算結果.xltx share/nubera/Help/index.html \
            share/applications/nubera.desktop share/icons/hicolor/scalable/apps/nubera.svg \
            share/mime/packages/nubera.xml share/metainfo/jp.nubera.Nubera.metainfo.xml \
            share/doc/nubera/copyright share/doc/nubera/changelog.gz \
            share/doc/nubera/changelog.Debian.gz share/man/man1/nubera.1.gz \
            share/man/man1/nubera-cli.1.gz share/man/ja/man1/nubera.1.gz \
            share/man/ja/man1/nubera-cli.1.gz share/bash-completion/completions/nubera-cli; do
  [[ -e "$prefix/$file" ]] || fail "not installed: $file"
done
# The mark of a build tree would send results beside the installed program.
[[ -z $(find "$root" -name nubera-portable.txt) ]] || fail "nubera-portable.txt was installed"

mkdir "$work/elsewhere" "$work/out" "$work/home"
cd "$work/elsewhere"
version=$("$prefix/bin/nubera-cli" --version)
[[ $version =~ ^ヌベラ\ [0-9]+\.[0-9]+\.[0-9]+(\+g[0-9a-f]+)?$ ]] || fail "nubera-cli --version: $version"
[[ $("$prefix/bin/nubera" --version) == "$version" ]] || fail "nubera --version differs"
[[ $("$prefix/libexec/nubera/nubera-pdf" --version) == "$version" ]] || fail "nubera-pdf --version differs"

"$prefix/bin/nubera-cli" calc "$source/examples/five-blocks-lateral.nbr" --pdf \
  --out "$work/out" > "$work/calc.txt"
workbook=$(ls "$work"/out/*.xlsx)
pdf=$(ls "$work"/out/*.pdf)
/usr/bin/python3 - "$workbook" <<'PY'
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
assert "即時沈下量のまとめ" in book.sheetnames, book.sheetnames
PY
[[ $(pdftotext "$pdf" -) == *即時沈下量* ]]

# The desktop program, offscreen, loads and calculates a project. Its folder
# takes files (the tests own it, and may be root), yet the workbook goes to
# the documents folder of the person running it.
output=$(HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work \
  QT_QPA_PLATFORM=offscreen "$prefix/bin/nubera" --smoke-test "$source/examples/one-block.nbr" \
  2>"$work/desktop.err") || fail "the desktop program failed: $(cat "$work/desktop.err")"
mapfile -t lines <<< "$output"
[[ ${lines[0]} == one-block.nbr* ]] || fail "the desktop program showed \"${lines[0]}\""
saved=${lines[1]:-}
[[ $saved == "$work/home/Documents/ヌベラ計算結果/"*.xlsx && -f $saved ]] ||
  fail "the desktop program's workbook is \"$saved\", not in the documents folder"
[[ -z $(find "$root" -name '*.xlsx') ]] || fail "a workbook was written into the installation"

echo "installed programs work from $work/elsewhere"
