#!/usr/bin/env bash
# Starts or stops a private Wine environment in a folder: a virtual X display,
# a Wine prefix (made once) and a persistent wineserver, so that every program
# start during a test run is quick.
#   wine-env.sh start DIR     wine-env.sh stop DIR
set -euo pipefail
. "$(dirname "$0")/wine-select.sh"
cmd=${1:?start or stop}
dir=${2:?folder}
mkdir -p "$dir"
export WINEPREFIX="$dir/prefix"
export WINEDEBUG=-all
# Without Wine's debugger a test program that crashes ends at once with its
# failure, instead of waiting in the debugger until the test's time runs out.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

case "$cmd" in
  start)
    "$0" stop "$dir" 2>/dev/null || true
    # Xvfb picks a free display itself and reports its number, so that
    # builds starting at the same moment never share a display.
    rm -f "$dir/display.fifo"; mkfifo "$dir/display.fifo"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display.fifo" \
      >"$dir/xvfb.log" 2>&1 < /dev/null &
    echo $! > "$dir/xvfb.pid"
    read -r -t 20 n < "$dir/display.fifo" || { echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$dir/display.fifo"
    echo ":$n" > "$dir/display"
    export DISPLAY=":$n"
    # The persistent server first, so that everything after it shares it.
    verbs_wineserver -p >/dev/null 2>&1 < /dev/null || true
    # The persistent server writes the registry files only when it ends, so
    # a marker beside the prefix says that it was made.
    if [ ! -f "$dir/prefix.ready" ]; then
      echo "Creating Wine prefix in $WINEPREFIX"
      if ! verbs_wine wineboot --init >"$dir/wineboot.log" 2>&1 < /dev/null; then
        echo "Wine could not create the prefix ($VERBS_WINE_LOADER):" >&2
        tail -n 20 "$dir/wineboot.log" >&2
        exit 1
      fi
      # Without a window manager on the virtual display, Wine would wait up
      # to two seconds for one each time a window is hidden.
      verbs_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 < /dev/null
      touch "$dir/prefix.ready"
    fi
    echo "Wine environment ready: prefix $WINEPREFIX, display :$n, loader $VERBS_WINE_LOADER ($(verbs_arch_reason))"
    ;;
  stop)
    verbs_wineserver -k 2>/dev/null || true
    if [ -f "$dir/xvfb.pid" ]; then
      kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
      rm -f "$dir/xvfb.pid"
    fi
    ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
