#!/usr/bin/env bash
# Builds the command-line tool and the tests of the batch with ThreadSanitizer
# into build-tsan/ and runs what fills workbooks on several threads at once:
# the template test that writes from four threads, and the batch tests, whose
# nubera-cli runs its projects on several threads. Any race reported fails
# the run; the reports are kept in build-tsan/tsan/. Not part of the ordinary
# tests (the build takes a while):  bash scripts/tsan.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-tsan

# Warnings are the ordinary build's business; this build only looks for races.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUBERA_WERROR=OFF -DNUBERA_HARDENING=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$build" --target nubera-cli nubera-pdf cli_tests report_tests make_projects

reports=$PWD/$build/tsan
rm -rf "$reports"
mkdir -p "$reports"
# Every process writes its reports to a file of its own, so that the tests'
# own checks of what nubera-cli prints are not what finds a race.
# tsan.supp says which reports are no race of ours, and why.
export TSAN_OPTIONS="log_path=$reports/report exitcode=66 second_deadlock_stack=1 suppressions=$PWD/scripts/tsan.supp"
# ThreadSanitizer needs the fixed address layout of an unrandomised process.
run() { setarch "$(uname -m)" -R "$@"; }
status=0
run "$build/bin/report_tests" --gtest_filter='ResultTemplate.*' || status=1
run "$build/bin/cli_tests" --gtest_filter='CalcBatch.*' || status=1
# A larger batch, with more jobs than this machine may have cores.
projects=$(mktemp -d)
trap 'rm -rf "$projects"' EXIT
run "$build/bin/make_projects" "$projects/in" 40
mkdir -p "$projects/out"
run "$build/bin/nubera-cli" calc "$projects/in" --jobs 4 --out "$projects/out" --csv "$projects/out/summary.csv" >/dev/null || status=1

if compgen -G "$reports/report*" >/dev/null; then
  echo "tsan.sh: ThreadSanitizer reported races, see $reports:" >&2
  head -50 "$reports"/report* >&2
  exit 1
fi
[[ $status == 0 ]] || { echo "tsan.sh: a test failed" >&2; exit 1; }
echo "tsan.sh: no race reported"
