#!/usr/bin/env bash
# Builds Tav and runs the benchmarks under Wine, with a virtual display (the
# dictionary benchmark fills real list boxes); they print their figures.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${TAV_BENCH_INNER:-}" ]; then
  "$TAV_ROOT/scripts/install-deps.sh"
  tav_build
  export TAV_BENCH_INNER=1
  exec bash -c '. "$0"; tav_with_display "$1" "${@:2}"' "$TAV_ROOT/scripts/common.sh" "$0" "$@"
fi

# Inside the display: one Wine session for the whole run.
tav_wine_start
trap tav_wine_stop EXIT
cmake --build "$TAV_BUILD" --target run-benchmarks
