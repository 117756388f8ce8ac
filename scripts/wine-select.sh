# Decides how Wine is called on this machine; sourced by every script that
# runs Windows programs. Nothing else calls Wine by name.
#
# Some x86-64 kernels run no 32-bit programs at all. Debian's `wine` script
# (and wineboot, winepath ... which go through it) always prefers the 32-bit
# loader once wine32 is installed, so there even a 64-bit program would fail
# with "Exec format error". So the 32-bit loader is tried once, and where it
# cannot run, the 64-bit loader is called directly.
#
# Sets:  VERBS_WINE_LOADER   the loader to start programs with
#        VERBS_CAN_RUN_32BIT 1 or 0
#        VERBS_RUNNABLE      the build presets whose programs run here, best first
# and defines verbs_wine, verbs_wineserver, verbs_arch_reason and
# verbs_can_run_preset.
# VERBS_NO_32BIT=1 makes the machine count as one that runs no 32-bit
# programs (to try the other kind of machine): then Debian's wine commands
# are shadowed by ones that fail, as they would there, so that a call that
# bypasses this file shows. VERBS_WINE_BINDIR names Wine's loader folder
# (Debian's /usr/lib/wine by default). VERBS_NO_WINE32=1 makes it count as
# one where 32-bit Wine could not be installed (scripts/install-deps.sh
# skips it then): the 32-bit loader is not used even where it is there.

verbs_wine_bindir=${VERBS_WINE_BINDIR:-/usr/lib/wine}
case "${VERBS_NO_32BIT:-0}" in
  1|yes|true) verbs_no_32bit=1 ;;
  0|no|false|"") verbs_no_32bit=0 ;;
  *) echo "VERBS_NO_32BIT must be 1 or 0, not '$VERBS_NO_32BIT'" >&2; return 2 2>/dev/null || exit 2 ;;
esac
case "${VERBS_NO_WINE32:-0}" in
  1|yes|true) verbs_no_wine32=1 ;;
  0|no|false|"") verbs_no_wine32=0 ;;
  *) echo "VERBS_NO_WINE32 must be 1 or 0, not '$VERBS_NO_WINE32'" >&2; return 2 2>/dev/null || exit 2 ;;
esac
. "$(dirname "${BASH_SOURCE[0]}")/kernel-32bit.sh"

# Tries the 32-bit loader: either the kernel runs it or it does not.
verbs_probe_32bit() {
  [ "$verbs_no_32bit" = 1 ] && return 1
  [ "$verbs_no_wine32" = 1 ] && return 1
  [ -x "$verbs_wine_bindir/wine" ] || return 1
  "$verbs_wine_bindir/wine" --version >/dev/null 2>&1 </dev/null
}

# Children (CTest fixtures, wine-run.sh) inherit the answer instead of
# probing again, as long as it was found for the same switch and folder.
if [ "${VERBS_WINE_SELECTED_FOR:-}" != "$verbs_no_32bit:$verbs_no_wine32:$verbs_wine_bindir" ] \
   || { [ "${VERBS_CAN_RUN_32BIT:-}" != 0 ] && [ "${VERBS_CAN_RUN_32BIT:-}" != 1 ]; }; then
  if verbs_probe_32bit; then VERBS_CAN_RUN_32BIT=1; else VERBS_CAN_RUN_32BIT=0; fi
  export VERBS_CAN_RUN_32BIT
  export VERBS_WINE_SELECTED_FOR="$verbs_no_32bit:$verbs_no_wine32:$verbs_wine_bindir"
fi

if [ "$VERBS_CAN_RUN_32BIT" = 1 ]; then
  # The 32-bit loader starts 64-bit programs too (through the 64-bit one).
  VERBS_WINE_LOADER="$verbs_wine_bindir/wine"
  VERBS_RUNNABLE="i686 x86_64"
  unset WINELOADER
else
  # Only the 64-bit loader itself will do: any `wine` command would pick the
  # 32-bit loader again.
  VERBS_WINE_LOADER="$verbs_wine_bindir/wine64"
  if [ ! -x "$VERBS_WINE_LOADER" ]; then
    echo "No usable Wine here: 32-bit programs do not run and there is no 64-bit loader $VERBS_WINE_LOADER" \
         "(scripts/install-deps.sh installs wine64)." >&2
    return 1 2>/dev/null || exit 1
  fi
  # Wine re-executes itself through WINELOADER: keep it on the 64-bit loader.
  export WINELOADER="$VERBS_WINE_LOADER"
  VERBS_RUNNABLE="x86_64"
  if [ "$verbs_no_32bit" = 1 ] || [ "$verbs_no_wine32" = 1 ]; then
    # Shadow Debian's wine commands the way such a machine would answer them.
    verbs_shims="${TMPDIR:-/tmp}/verbs-no-32bit-shims-$(id -u)"
    if [ ! -x "$verbs_shims/wineboot" ]; then
      mkdir -p "$verbs_shims"
      for verbs_cmd in wine wine-stable wineboot winepath wineconsole winecfg regedit msiexec; do
        printf '#!/bin/sh\necho "%s: Exec format error (simulated by VERBS_NO_32BIT=1 or VERBS_NO_WINE32=1: call Wine through scripts/wine-select.sh)" >&2\nexit 126\n' \
          "$verbs_cmd" > "$verbs_shims/$verbs_cmd"
        chmod +x "$verbs_shims/$verbs_cmd"
      done
    fi
    case ":$PATH:" in *":$verbs_shims:"*) ;; *) export PATH="$verbs_shims:$PATH" ;; esac
  fi
fi

# Runs a Windows program, or a Wine tool by name (wineboot, reg, cmd, ...).
# A prefix made with a font set of its own (VERBS_FONTS, see wine-env.sh)
# carries a fontconfig file that hides the machine's fonts from every program
# run in it.
verbs_wine() {
  if [ -n "${WINEPREFIX:-}" ] && [ -f "$WINEPREFIX/verbs-fonts.conf" ]; then
    FONTCONFIG_FILE="$WINEPREFIX/verbs-fonts.conf" "$VERBS_WINE_LOADER" "$@"
  else
    "$VERBS_WINE_LOADER" "$@"
  fi
}

verbs_wineserver() {
  if [ -x "$verbs_wine_bindir/wineserver" ]; then "$verbs_wine_bindir/wineserver" "$@"; else wineserver "$@"; fi
}

# One line on which build runs here and why.
verbs_arch_reason() {
  if [ "$VERBS_CAN_RUN_32BIT" = 1 ]; then
    echo "this machine runs 32-bit programs"
  elif [ "$verbs_no_32bit" = 1 ]; then
    echo "VERBS_NO_32BIT=1 treats this machine as one that runs no 32-bit programs"
  elif [ "$verbs_no_wine32" = 1 ]; then
    echo "VERBS_NO_WINE32=1 treats this machine as one where 32-bit Wine cannot be installed"
  elif ! verbs_kernel_runs_32bit; then
    echo "this machine's kernel runs no 32-bit programs"
  elif [ ! -x "$verbs_wine_bindir/wine" ]; then
    echo "32-bit Wine could not be installed here (scripts/install-deps.sh said why)"
  else
    echo "32-bit Wine is installed but does not start here"
  fi
}

# Whether programs of a build preset can run here.
verbs_can_run_preset() {
  case " $VERBS_RUNNABLE " in *" $1 "*) return 0 ;; *) return 1 ;; esac
}
