#!/usr/bin/env bash
# Prints the engine's throughput, the whole-process time of
# `nubera-cli calc --json` and how fast the printed pages of its workbook are
# drawn, on the largest example; one project with its workbook and nubera-pdf
# against their floors; and 1,000 random projects as one batch call against
# one call each, on every core against one, with the batch's peak memory; and
# how long boring logs of thousands of records take to read. Builds a Release
# configuration into build-bench/ first (or into $BUILD_DIR when set).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-bench}"
project=examples/five-blocks-lateral.nbr

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench bench_render bench_batch bench_calls bench_boring nubera-cli >/dev/null

"$build/bin/bench" "$project"

cli="$build/bin/nubera-cli calc $project --json"
echo
if command -v hyperfine >/dev/null; then
    hyperfine --warmup 5 --shell=none "$cli --no-workbook"
    # Every run writes its workbook into a fresh folder (a day has 100 names).
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
    hyperfine --warmup 2 --prepare "rm -rf $out/wb && mkdir $out/wb" "$cli --out $out/wb >/dev/null"
else
    runs=50
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do $cli --no-workbook >/dev/null; done
    end=$(date +%s%N)
    echo "nubera-cli calc --json --no-workbook: $(((end - start) / runs / 1000)) µs per run ($runs runs)"
fi

# The printed pages of the example's workbook: preview and PDF.
pages=$(mktemp -d)
"$build/bin/nubera-cli" calc "$project" --out "$pages" >/dev/null
echo
"$build/bin/bench_render" "$pages"/*.xlsx
rm -rf "$pages"

# One project with its workbook and its PDF, each against its floor.
echo
"$build/bin/bench_calls" "$project"

# Boring logs of thousands of records, and one at the size bound.
echo
"$build/bin/bench_boring"

# Many projects: one batch call against one call per project.
echo
"$build/bin/bench_batch" 1000
