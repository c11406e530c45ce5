#!/usr/bin/env bash
# Builds Tav for Windows and starts it through Wine, in a working folder of
# its own (build/run) that holds the starter dictionaries. With a display
# it opens the window for you; without one it runs in a virtual display,
# saves a screenshot, says where, and ends.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

work="$TAV_BUILD/run"

prepare() {
  "$TAV_ROOT/scripts/install-deps.sh"
  tav_build
  mkdir -p "$work"
  cp -f "$TAV_BUILD/app/tav.exe" "$work/"
  if [ -f "$TAV_BUILD/help/tav.chm" ]; then cp -f "$TAV_BUILD/help/tav.chm" "$work/"; fi
  # The user's words are never overwritten.
  for f in en.tmp ro.tmp; do
    if [ ! -f "$work/$f" ]; then cp "$TAV_ROOT/data/$f" "$work/"; fi
  done
  tav_make_locale
  export LOCPATH="$TAV_LOCALE_DIR" LANG=ro_RO.UTF-8
  unset LC_ALL
}

screenshot() {
  tav_wine_start unmanaged
  trap tav_wine_stop EXIT
  cd "$work"
  wine tav.exe </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 150); do
    if xdotool search --name '^(English - Romanian|Romanian - English)$' >/dev/null 2>&1; then break; fi
    sleep 0.2
  done
  sleep 1
  import -window root "$work/screenshot.png"
  echo "Tav ran in a virtual display; its screenshot is $work/screenshot.png"
}

if [ "${1:-}" = --screenshot ]; then
  prepare
  screenshot
elif [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  prepare
  export WINEPREFIX="$TAV_BUILD/wineprefix-run"
  tav_make_prefix managed
  cd "$work"
  exec wine tav.exe
else
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" --screenshot
fi
