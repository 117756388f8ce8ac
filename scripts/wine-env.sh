#!/usr/bin/env bash
# Starts or stops a private Wine environment in a folder: a virtual X display,
# a Wine prefix (made once) and a persistent wineserver, so that every program
# start during a test run is quick.
#   wine-env.sh start DIR     wine-env.sh stop DIR
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?folder}
mkdir -p "$dir"
export WINEPREFIX="$dir/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

free_display() {
  local n
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then echo "$n"; return; fi
  done
  echo "no free X display number" >&2; exit 1
}

case "$cmd" in
  start)
    "$0" stop "$dir" 2>/dev/null || true
    n=$(free_display)
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 < /dev/null &
    echo $! > "$dir/xvfb.pid"
    echo ":$n" > "$dir/display"
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    # The persistent server first, so that everything after it shares it.
    wineserver -p >/dev/null 2>&1 < /dev/null || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "Creating Wine prefix in $WINEPREFIX"
      wineboot --init >"$dir/wineboot.log" 2>&1 < /dev/null
    fi
    echo "Wine environment ready: prefix $WINEPREFIX, display :$n"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    if [ -f "$dir/xvfb.pid" ]; then
      kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
      rm -f "$dir/xvfb.pid"
    fi
    ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
