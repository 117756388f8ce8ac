#!/usr/bin/env bash
# Runs a Windows executable under Wine inside a build's private environment
# (prefix and virtual display made by scripts/wine-env.sh start).
set -euo pipefail
dir=${VERBS_WINE_DIR:?VERBS_WINE_DIR must name the build folder of the Wine environment}
export WINEPREFIX="$dir/prefix"
export DISPLAY="$(cat "$dir/display")"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
exec wine "$@"
