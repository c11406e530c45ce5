# Shared by the scripts: where things are, configuring and building, and a
# Wine session of the build tree's own. Source it; do not run it.

TAV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAV_BUILD=${TAV_BUILD:-$TAV_ROOT/build}
export WINEPREFIX="$TAV_BUILD/wineprefix"
export WINEDEBUG=-all
TAV_LOCALE_DIR="$TAV_BUILD/locale"

tav_build() {
  cmake -S "$TAV_ROOT" -B "$TAV_BUILD" \
    -DCMAKE_TOOLCHAIN_FILE="$TAV_ROOT/cmake/mingw-w64-x86_64.cmake" "$@" >/dev/null
  cmake --build "$TAV_BUILD" -j"$(nproc)"
}

# A Romanian locale (ANSI code page 1250) for the programs we run.
tav_make_locale() {
  if [ ! -d "$TAV_LOCALE_DIR/ro_RO.UTF-8" ]; then
    mkdir -p "$TAV_LOCALE_DIR"
    localedef -i ro_RO -f UTF-8 "$TAV_LOCALE_DIR/ro_RO.UTF-8" >/dev/null 2>&1 || true
  fi
}

# Creates the prefix once, without the add-on installers. With "unmanaged"
# (for the tests, where no window manager runs) Wine draws its own window
# frames: hiding or closing a window then takes milliseconds, not seconds.
tav_make_prefix() {
  if [ -f "$WINEPREFIX/.tav-ready" ]; then
    return
  fi
  echo "Creating the Wine prefix in $WINEPREFIX ..."
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i </dev/null >/dev/null 2>&1
  if [ "${1:-}" = unmanaged ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  fi
  wineserver -w
  tav_copy_fonts
  touch "$WINEPREFIX/.tav-ready"
}

# Wine's own fonts (Marlett draws the caption buttons) are not always found
# where the package puts them; the prefix's font folder always is.
tav_copy_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ]; then
    cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
  fi
}

# Starts the Wine server with its output detached, so that pipes to the
# programs that follow (CTest reads them) see their end.
tav_wine_start() {
  tav_make_locale
  tav_make_prefix "${1:-unmanaged}"
  tav_copy_fonts
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # A program that crashes ends at once instead of waiting in the debugger,
  # so a crashing test fails quickly rather than at its time-out.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f \
    </dev/null >/dev/null 2>&1 || true
}

tav_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# Runs "$@" with a virtual display when there is no display of our own.
tav_with_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
  fi
}
