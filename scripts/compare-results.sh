#!/usr/bin/env bash
# Compares what two builds of nubera-cli produce for every example project:
# the printed table, the JSON and every part of the result workbook (the zip's
# own timestamps aside). Run it before and after a change that should not
# change any result:  bash scripts/compare-results.sh OLD/bin NEW/bin
# With --golden, compares one build's JSON with the results committed in
# tests/cli/golden/, every number to 1e-9, naming each that differs:
#   bash scripts/compare-results.sh --golden build/bin
set -euo pipefail
root=$(realpath "$(dirname "$0")/..")

if [ "${1:-}" = --golden ]; then
  bin=$(realpath "$2")
  status=0
  for project in "$root"/examples/*.nbr; do
    name=$(basename "$project" .nbr)
    if "$bin/nubera-cli" calc "$project" --json --no-workbook |
         /usr/bin/python3 "$root/scripts/compare_json.py" "$root/tests/cli/golden/$name.json"; then
      echo "same       $name"
    else
      echo "DIFFERENT  $name"
      status=1
    fi
  done
  exit $status
fi

old_bin=$(realpath "$1")
new_bin=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every entry of a workbook, in name order, each with its bytes.
dump_workbook() {
  /usr/bin/python3 - "$1" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as book:
    for name in sorted(book.namelist()):
        sys.stdout.buffer.write(b"== " + name.encode() + b"\n" + book.read(name) + b"\n")
PY
}

run() {
  local bin=$1 project=$2 out=$3
  mkdir -p "$out"
  (cd "$out" && "$bin/nubera-cli" calc "$project" --out "$out" > table.txt 2>&1; echo "exit $?" >> table.txt)
  (cd "$out" && "$bin/nubera-cli" calc "$project" --json --no-workbook > json.txt 2>&1; echo "exit $?" >> json.txt)
  for book in "$out"/*.xlsx; do dump_workbook "$book" > "$out/workbook.txt"; done
}

# The workbook records the program's version, which names each build's commit.
normalise() {
  sed -e "s|$1|OUT|g" -e 's/[0-9]\{8\}[0-9][0-9]\.xlsx/DATE.xlsx/g' \
    -e 's/ヌベラ [0-9][0-9.]*\(+g[0-9a-f]*\)\?/ヌベラ VERSION/g' "$1/$2"
}

status=0
for project in "$root"/examples/*.nbr; do
  name=$(basename "$project" .nbr)
  run "$old_bin" "$project" "$work/old/$name"
  run "$new_bin" "$project" "$work/new/$name"
  for kind in table.txt json.txt workbook.txt; do
    # The output prints the workbook's path, whose name carries the date, and
    # the workbook the version of the program that wrote it.
    if cmp -s <(normalise "$work/old/$name" "$kind") <(normalise "$work/new/$name" "$kind"); then
      echo "same       $name $kind"
    else
      echo "DIFFERENT  $name $kind"
      status=1
    fi
  done
done
exit $status
