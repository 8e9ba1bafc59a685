#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed programs from
# a folder outside both trees: they must find their template, figures, help
# and nubera-pdf relative to themselves.
#   installed_programs_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"
for file in bin/nubera bin/nubera-cli libexec/nubera/nubera-pdf \
            share/nubera/即時沈下量計算結果.xltx share/nubera/Help/index.html \
            share/applications/nubera.desktop share/icons/hicolor/scalable/apps/nubera.svg \
            share/mime/packages/nubera.xml; do
  [[ -e "$work/prefix/$file" ]] || { echo "not installed: $file"; exit 1; }
done

mkdir "$work/elsewhere" "$work/out"
cd "$work/elsewhere"
[[ $("$work/prefix/bin/nubera-cli" --version) =~ ^ヌベラ\ [0-9.]+$ ]]
"$work/prefix/bin/nubera-cli" calc "$source/examples/five-blocks-lateral.nbr" --pdf \
  --out "$work/out" > "$work/calc.txt"
workbook=$(ls "$work"/out/*.xlsx)
pdf=$(ls "$work"/out/*.pdf)
/usr/bin/python3 - "$workbook" <<'PY'
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
assert "即時沈下量のまとめ" in book.sheetnames, book.sheetnames
PY
[[ $(pdftotext "$pdf" -) == *即時沈下量* ]]
# The desktop program, offscreen, far enough to show the project loaded.
[[ $("$work/prefix/bin/nubera" --version) =~ ^ヌベラ\ [0-9.]+$ ]]
title=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
  "$work/prefix/bin/nubera" --smoke-test "$source/examples/one-block.nbr" 2>/dev/null)
[[ $title == one-block.nbr* ]] || { echo "the desktop program showed \"$title\""; exit 1; }

echo "installed programs work from $work/elsewhere"
