#!/usr/bin/env bash
# Runs a Windows executable under Wine inside a build's private environment
# (prefix and virtual display made by scripts/wine-env.sh start).
#
# Wine's helper processes (services, the desktop window) stay alive with the
# persistent server and inherit the output of the program that started them,
# so the output goes through a file: a pipe would never reach its end.
set -uo pipefail
. "$(dirname "$0")/wine-select.sh"
dir=${VERBS_WINE_DIR:?VERBS_WINE_DIR must name the build folder of the Wine environment}
export WINEPREFIX="$dir/prefix"
export DISPLAY="$(cat "$dir/display")"
export WINEDEBUG=${WINEDEBUG:--all}
# Without Wine's debugger a test program that crashes ends at once with its
# failure, instead of waiting in the debugger until the test's time runs out.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
verbs_wine "$@" >"$log" 2>&1 < /dev/null
rc=$?
cat "$log"
exit $rc
