#!/usr/bin/env bash
# Installs what building, running and testing needs on Debian 12: the MinGW-w64
# cross compilers, CMake and Ninja, Wine (64-bit and 32-bit), Xvfb, ImageMagick
# for screenshots, a small window manager for runs on a virtual display and
# GoogleTest's sources. Does nothing when all is there.
#
# 32-bit Wine is installed on every machine, also where the kernel runs no
# 32-bit programs: scripts/wine-select.sh tries it and never picks it there.
set -euo pipefail

packages=(cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest
          wine wine64 wine32:i386 xvfb x11-utils xdotool imagemagick openbox g++
          nsis zip unzip)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
