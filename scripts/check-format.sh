#!/usr/bin/env bash
# Fails, listing the files, when a C++ source is not as clang-format writes it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
