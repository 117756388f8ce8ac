#!/usr/bin/env bash
# The choice of Wine loader and builds: a loader that the kernel cannot run
# (faked by a script that fails as such a loader does), the switch that
# simulates such a machine, and the real loader of this machine.
set -uo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
fails=0
check() { # description, expected, actual
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: expected '$2', got '$3'"; fails=$((fails + 1)); fi
}
# Runs the selection in a clean shell (none of the switches of the calling
# run) and prints what it chose, or the reason line.
clean=(-u VERBS_CAN_RUN_32BIT -u VERBS_WINE_SELECTED_FOR -u WINELOADER -u VERBS_NO_32BIT -u VERBS_NO_WINE32
       -u VERBS_WINE_BINDIR)
select_with() {
  env "${clean[@]}" "$@" bash -c \
    '. "$0/wine-select.sh" || exit $?; echo "$VERBS_CAN_RUN_32BIT|$VERBS_RUNNABLE|$VERBS_WINE_LOADER|${WINELOADER:-}"' "$here"
}
reason_with() { env "${clean[@]}" "$@" bash -c '. "$0/wine-select.sh" || exit $?; verbs_arch_reason' "$here"; }

fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
# A 32-bit loader that the kernel refuses, and a working 64-bit one.
printf '#!/bin/sh\necho "cannot execute binary file: Exec format error" >&2\nexit 126\n' > "$fake/wine"
printf '#!/bin/sh\necho wine-fake\n' > "$fake/wine64"
chmod +x "$fake/wine" "$fake/wine64"
check "a 32-bit loader that cannot run selects the 64-bit loader and build" \
  "0|x86_64|$fake/wine64|$fake/wine64" "$(select_with VERBS_WINE_BINDIR="$fake")"

# The same folder with a 32-bit loader that runs: both builds, 32-bit first.
printf '#!/bin/sh\necho wine-fake\n' > "$fake/wine"
check "a 32-bit loader that runs selects both builds" \
  "1|i686 x86_64|$fake/wine|" "$(select_with VERBS_WINE_BINDIR="$fake")"
check "VERBS_NO_32BIT=1 wins over a working 32-bit loader" \
  "0|x86_64|$fake/wine64|$fake/wine64" "$(select_with VERBS_WINE_BINDIR="$fake" VERBS_NO_32BIT=1)"
check "VERBS_NO_WINE32=1 wins over a working 32-bit loader" \
  "0|x86_64|$fake/wine64|$fake/wine64" "$(select_with VERBS_WINE_BINDIR="$fake" VERBS_NO_WINE32=1)"
check "VERBS_NO_WINE32=1 says why in the reason line" \
  "VERBS_NO_WINE32=1 treats this machine as one where 32-bit Wine cannot be installed" \
  "$(reason_with VERBS_WINE_BINDIR="$fake" VERBS_NO_WINE32=1)"

# No 32-bit loader installed at all counts as no 32-bit.
rm "$fake/wine"
check "without a 32-bit loader only the 64-bit build runs" \
  "0|x86_64|$fake/wine64|$fake/wine64" "$(select_with VERBS_WINE_BINDIR="$fake")"

# A 32-bit loader that cannot run and no 64-bit one: no fallback to Debian's
# wine script (which would pick the 32-bit loader again), but a clear stop.
rm "$fake/wine64"
printf '#!/bin/sh\nexit 126\n' > "$fake/wine"; chmod +x "$fake/wine"
check "no usable loader stops the selection" "1" "$(select_with VERBS_WINE_BINDIR="$fake" >/dev/null 2>&1; echo $?)"

# This machine: the choice agrees with what its 32-bit loader really does.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then real=1; else real=0; fi
chosen=$(select_with)
check "the probe agrees with this machine's 32-bit loader" "$real" "${chosen%%|*}"

# The simulated machine without 32-bit support answers Debian's wine
# commands as such a machine would, so a call that bypasses the selection
# fails there too.
check "VERBS_NO_32BIT=1 shadows Debian's wine command" "126" \
  "$(env -u VERBS_CAN_RUN_32BIT -u VERBS_WINE_SELECTED_FOR VERBS_NO_32BIT=1 bash -c \
     '. "$0/wine-select.sh"; wine --version >/dev/null 2>&1; echo $?' "$here")"

# Both choices really run a Windows program in the test run's prefix.
if [ -n "${VERBS_WINE_DIR:-}" ] && [ -f "$VERBS_WINE_DIR/prefix.ready" ]; then
  for no32 in 0 1; do
    if [ $no32 = 0 ] && [ $real = 0 ]; then continue; fi
    rc=$(env "${clean[@]}" VERBS_NO_32BIT=$no32 \
         WINEPREFIX="$VERBS_WINE_DIR/prefix" WINEDEBUG=-all DISPLAY="$(cat "$VERBS_WINE_DIR/display")" bash -c \
         '. "$0/wine-select.sh"; verbs_wine cmd /c exit 7 >/dev/null 2>&1 </dev/null; echo $?' "$here")
    check "a Windows program runs through the loader chosen with VERBS_NO_32BIT=$no32" "7" "$rc"
  done
else
  echo "FAILED: no Wine environment of the test run (VERBS_WINE_DIR)"; fails=$((fails + 1))
fi

# A start with a font set that fails (no such folder) and then one with the
# machine's fonts: the second must not keep the first one's hidden fonts.
# Wine itself is a stand-in here; the virtual display is real.
mkdir -p "$fake/bin64" "$fake/env"
printf '#!/bin/sh\nexit 0\n' > "$fake/bin64/wine64"; cp "$fake/bin64/wine64" "$fake/bin64/wineserver"
chmod +x "$fake/bin64/wine64" "$fake/bin64/wineserver"
start_env() { env "${clean[@]}" VERBS_WINE_BINDIR="$fake/bin64" "$@" "$here/wine-env.sh" start "$fake/env" >/dev/null 2>&1; }
start_env VERBS_FONTS="$fake/no-such-folder"
check "a font set of no folder fails the start" "1" "$?"
start_env VERBS_FONTS=
check "a start with the machine's fonts after it succeeds" "0" "$?"
check "and hides none of the machine's fonts" "no" "$([ -f "$fake/env/prefix/verbs-fonts.conf" ] && echo yes || echo no)"
env "${clean[@]}" VERBS_WINE_BINDIR="$fake/bin64" "$here/wine-env.sh" stop "$fake/env" >/dev/null 2>&1

[ $fails -eq 0 ] || { echo "$fails check(s) failed"; exit 1; }
