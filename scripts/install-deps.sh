#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Ridevault needs, and only when one is
# missing, so a second run costs nothing. With package names as arguments it installs those instead
# (scripts/fuzz.sh asks for clang this way).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  zlib1g-dev libxcb1-dev
  libbenchmark-dev
  xvfb xauth fonts-liberation dbus-daemon xdotool
  gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64 gcc-mingw-w64-i686 binutils-mingw-w64-i686
  dpkg-dev desktop-file-utils appstream
)

[ $# -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
