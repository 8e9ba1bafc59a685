#!/usr/bin/env bash
# Sets everything up, builds, and runs the calculation on the bundled example
# with lateral displacement, a surcharge and five blocks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
mkdir -p out
build/bin/nubera-cli calc examples/five-blocks-lateral.nbr --out out "$@"
