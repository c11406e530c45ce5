#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Tav.
# Does nothing (and needs no network) when everything is already there.
set -euo pipefail

packages=(
  cmake make python3 locales
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 fonts-wine
  xvfb xauth x11-apps xdotool imagemagick
  googletest
  fp-utils nsis
  clang libclang-rt-14-dev
  libz-mingw-w64-dev zlib1g-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
