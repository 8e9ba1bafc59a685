#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer, libFuzzer) into build-fuzz/ and runs one of them, or all of them
# one after another, for SECONDS each:
#   bash scripts/fuzz.sh project_calculation_fuzz|boring_log_fuzz|template_workbook_fuzz|printout_layout_fuzz|all SECONDS
# A run starts from the harness's seeds and its corpus in tests/fuzz/corpus;
# what it finds new goes to build-fuzz/corpus/HARNESS, a failing input to
# build-fuzz/findings/HARNESS (copy it into tests/fuzz/regressions/HARNESS
# once fixed, where the ordinary tests replay it). Exits non-zero on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
harness=${1:?harness name or all}
seconds=${2:?seconds}
harnesses=(project_calculation_fuzz boring_log_fuzz template_workbook_fuzz printout_layout_fuzz)
[[ $harness == all ]] || harnesses=("$harness")

if ! command -v clang++-14 >/dev/null; then
  echo "fuzz.sh: clang++-14 is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
# Warnings are the ordinary build's business; this build only looks for faults.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DNUBERA_FUZZ=ON -DNUBERA_WERROR=OFF >/dev/null
cmake --build build-fuzz --target "${harnesses[@]}"

seeds_of() {
  case $1 in
    project_calculation_fuzz) echo examples ;;
    boring_log_fuzz) echo tests/core/boring/samples ;;
    template_workbook_fuzz) echo build-fuzz/seeds/template_workbook_fuzz ;;
    printout_layout_fuzz) echo build-fuzz/seeds/printout_layout_fuzz ;;
  esac
}
# libFuzzer takes folders; the template is one file of the build.
mkdir -p build-fuzz/seeds/template_workbook_fuzz build-fuzz/seeds/printout_layout_fuzz
cp build-fuzz/bin/即時沈下量計算結果.xltx build-fuzz/seeds/template_workbook_fuzz/template.xltx
cp build-fuzz/bin/即時沈下量計算結果.xltx build-fuzz/seeds/printout_layout_fuzz/template.xltx

status=0
for name in "${harnesses[@]}"; do
  corpus=build-fuzz/corpus/$name
  findings=build-fuzz/findings/$name
  mkdir -p "$corpus" "$findings" "tests/fuzz/corpus/$name"
  echo "== $name for ${seconds}s"
  # Zip inputs grow when a part is mutated; a report template is ~15 kB.
  if ! "build-fuzz/bin/$name" -max_total_time="$seconds" -max_len=65536 -timeout=20 \
      -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "tests/fuzz/corpus/$name" "$(seeds_of "$name")"; then
    echo "fuzz.sh: $name found a failing input in $findings" >&2
    status=1
  fi
done
exit $status
