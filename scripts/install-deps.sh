#!/usr/bin/env bash
# Installs what building, running and testing needs on Debian 12: the MinGW-w64
# cross compilers, CMake and Ninja, Wine, Xvfb, ImageMagick for screenshots, a
# small window manager for runs on a virtual display and GoogleTest's sources.
# Does nothing when all is there.
#
# A package mirror may be caught in mid-sync: an index then fails to download
# ("File has unexpected size ... Mirror sync in progress?") and for a while
# the i386 packages may not match the amd64 ones. So apt retries every
# download, an index that failed is only a warning as long as the packages
# install, and 32-bit Wine is a separate, optional last step:
# - where the kernel runs no 32-bit programs (probed first) it is not
#   installed at all;
# - where it cannot be installed, one line says so and the scripts go on with
#   the 64-bit build (scripts/wine-select.sh then picks the 64-bit loader).
# VERBS_NO_WINE32=1 makes this machine count as one where 32-bit Wine cannot
# be installed (to try that path anywhere); VERBS_NO_32BIT=1 as one whose
# kernel runs no 32-bit programs.
set -euo pipefail
here=$(dirname "$0")
. "$here/kernel-32bit.sh"

packages=(cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest
          wine wine64 xvfb x11-utils xdotool imagemagick openbox g++
          nsis zip unzip)

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# A fresh machine's own upgrades may hold the package lock for a while: wait
# for it rather than fail.
apt_options=(-o Acquire::Retries=5 -o Acquire::http::Timeout=30 -o DPkg::Lock::Timeout=300)

# An index that fails (a mirror in mid-sync) leaves apt with the one it had,
# or none: what matters is whether the packages install afterwards.
update_indexes() {
  if ! $SUDO apt-get "${apt_options[@]}" update -qq; then
    echo "warning: some package indexes could not be downloaded (a mirror in mid-sync?); going on with what apt has." >&2
  fi
}

install_packages() {
  # Through env: sudo resets the environment, and a question nobody sees
  # would wait for ever.
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install -y -qq \
    --no-install-recommends "$@" >/dev/null
}

# --- What every machine needs --------------------------------------------------
missing=()
for p in "${packages[@]}"; do is_installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  update_indexes
  if ! install_packages "${missing[@]}"; then
    # A second chance after the mirror had a moment to finish its sync.
    echo "warning: installing failed; trying once more in 20 s with fresh indexes." >&2
    sleep 20
    update_indexes
    install_packages "${missing[@]}"
  fi
fi

# --- 32-bit Wine, optional -------------------------------------------------------
case "${VERBS_NO_32BIT:-0}" in 1|yes|true) exit 0 ;; esac
is_installed wine32:i386 && exit 0
verbs_kernel_runs_32bit || exit 0
case "${VERBS_NO_WINE32:-0}" in
  1|yes|true)
    echo "32-bit Wine is not installed (VERBS_NO_WINE32=1 simulates a machine where it cannot be); the 64-bit build is used." >&2
    exit 0 ;;
esac
echo "Installing: wine32:i386"
errors=/tmp/verbs-wine32-install.$$
# Any step may fail here (sudo refused, i386 packages not enabled, apt): the
# 64-bit build still runs, so a failure is one line, not the end of the run.
install_wine32() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386 2>"$errors" || return 1
  fi
  update_indexes
  install_packages wine32:i386 2>"$errors"
}
if ! install_wine32; then
  reason=$(grep -m1 '^E:' "$errors" || grep -m1 . "$errors" || true)
  echo "32-bit Wine could not be installed (${reason:-apt failed}); the 64-bit build is used." >&2
fi
rm -f "$errors"
exit 0
