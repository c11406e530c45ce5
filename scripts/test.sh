#!/usr/bin/env bash
# Builds Tav and its tests for Windows and runs every test under Wine, with a
# virtual display. Arguments go to CTest, e.g. scripts/test.sh -R CString.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${TAV_TEST_INNER:-}" ]; then
  "$TAV_ROOT/scripts/install-deps.sh"
  tav_build
  export TAV_TEST_INNER=1
  exec bash -c '. "$0"; tav_with_display "$1" "${@:2}"' "$TAV_ROOT/scripts/common.sh" "$0" "$@"
fi

# Inside the display: one Wine session for the whole run.
tav_wine_start
trap tav_wine_stop EXIT
# One program keeps Wine's desktop for the whole run (at most 90 minutes;
# tav_wine_stop ends it sooner): otherwise every test program starts the
# desktop again, a second each.
wine "$TAV_BUILD/tests/e2e/tavprobe.exe" hold-desktop 5400000 </dev/null >/dev/null 2>&1 &
cd "$TAV_BUILD"
# A test that fails is run once more before it counts as failed: now and
# then the X server's key mapping, which xdotool changes for every letter it
# types, loses a key or a window for the end-to-end tests. A real fault
# fails both times.
ctest --output-on-failure --no-tests=error -j"$(nproc)" --timeout 600 --repeat until-pass:2 "$@"
