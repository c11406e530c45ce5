#!/usr/bin/env bash
# Builds Tav and runs the benchmarks under Wine; they print their figures.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$TAV_ROOT/scripts/install-deps.sh"
tav_build
tav_wine_start
trap tav_wine_stop EXIT
cmake --build "$TAV_BUILD" --target run-benchmarks
