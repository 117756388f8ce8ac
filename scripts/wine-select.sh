# Decides how Wine is called on this machine; sourced by every script that
# runs Windows programs. Nothing else calls Wine by name.
#
# Some x86-64 kernels run no 32-bit programs at all. Debian's `wine` script
# (and wineboot, reg ... which go through it) always prefers the 32-bit
# loader once wine32 is installed, so there even a 64-bit program would fail
# with "Exec format error". So the 32-bit loader is tried once, and where it
# cannot run, the 64-bit loader is called directly.
#
# Sets:  VERBS_WINE_LOADER   the loader to start programs with
#        VERBS_CAN_RUN_32BIT 1 or 0
#        VERBS_RUNNABLE      the build presets whose programs run here, best first
# and defines verbs_wine, verbs_wineserver and verbs_arch_reason.
# VERBS_NO_32BIT=1 makes the machine count as one that runs no 32-bit
# programs (to try the other kind of machine); VERBS_WINE_BINDIR names
# Wine's loader folder (Debian's /usr/lib/wine by default).

verbs_wine_bindir=${VERBS_WINE_BINDIR:-/usr/lib/wine}

# Tries the 32-bit loader: either the kernel runs it or it does not.
verbs_probe_32bit() {
  [ "${VERBS_NO_32BIT:-0}" = 1 ] && return 1
  [ -x "$verbs_wine_bindir/wine" ] || return 1
  "$verbs_wine_bindir/wine" --version >/dev/null 2>&1 </dev/null
}

if [ -z "${VERBS_CAN_RUN_32BIT:-}" ] || [ "${VERBS_WINE_SELECTED_FOR:-}" != "${VERBS_NO_32BIT:-0}:$verbs_wine_bindir" ]; then
  if verbs_probe_32bit; then VERBS_CAN_RUN_32BIT=1; else VERBS_CAN_RUN_32BIT=0; fi
  # Children (CTest fixtures, wine-run.sh) inherit the answer instead of probing again.
  export VERBS_CAN_RUN_32BIT
  export VERBS_WINE_SELECTED_FOR="${VERBS_NO_32BIT:-0}:$verbs_wine_bindir"
fi

if [ "$VERBS_CAN_RUN_32BIT" = 1 ]; then
  # The 32-bit loader starts 64-bit programs too (through the 64-bit one).
  VERBS_WINE_LOADER="$verbs_wine_bindir/wine"
  VERBS_RUNNABLE="i686 x86_64"
else
  VERBS_WINE_LOADER="$verbs_wine_bindir/wine64"
  # Wine re-executes itself through WINELOADER: keep it on the 64-bit loader.
  export WINELOADER="$VERBS_WINE_LOADER"
  VERBS_RUNNABLE="x86_64"
fi
# Without Debian's layout, fall back to whatever wine is on the PATH.
if [ ! -x "$VERBS_WINE_LOADER" ]; then
  VERBS_WINE_LOADER=$(command -v wine64 || command -v wine || echo wine)
fi

# Runs a Windows program, or a Wine tool by name (wineboot, reg, cmd, ...).
verbs_wine() { "$VERBS_WINE_LOADER" "$@"; }

verbs_wineserver() {
  if [ -x "$verbs_wine_bindir/wineserver" ]; then "$verbs_wine_bindir/wineserver" "$@"; else wineserver "$@"; fi
}

# One line on which build runs here and why.
verbs_arch_reason() {
  if [ "$VERBS_CAN_RUN_32BIT" = 1 ]; then
    echo "this machine runs 32-bit programs"
  elif [ "${VERBS_NO_32BIT:-0}" = 1 ]; then
    echo "VERBS_NO_32BIT=1 treats this machine as one that runs no 32-bit programs"
  else
    echo "this machine's kernel runs no 32-bit programs"
  fi
}

# Whether programs of a build preset can run here.
verbs_can_run_preset() {
  case " $VERBS_RUNNABLE " in *" $1 "*) return 0 ;; *) return 1 ;; esac
}
