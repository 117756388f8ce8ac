#!/usr/bin/env bash
# Builds the program and starts it under Wine: the 32-bit build where this
# machine runs 32-bit programs, the 64-bit one otherwise. Settings persist in
# one Wine prefix in the user's data folder, which serves both builds (the
# settings live below HKEY_CURRENT_USER\Software, shared by both). Without a
# usable display the program runs on a virtual one and a screenshot of its
# main window is saved; the run fails when the window never comes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
. scripts/wine-select.sh
# The build this machine runs: 32-bit where the kernel runs 32-bit programs.
preset=${VERBS_RUNNABLE%% *}
echo "Starting the $preset build: $(verbs_arch_reason)."
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

data_home=${XDG_DATA_HOME:-$HOME/.local/share}
export WINEPREFIX="$data_home/verbs/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$(dirname "$WINEPREFIX")"
exe="$PWD/build/$preset/bin/verbs.exe"
work=$(mktemp -d)

# Makes the prefix on the first run; a failure shows what Wine said.
prepare_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "Preparing Wine prefix $WINEPREFIX ..."
  # The server writes the registry files when it ends: wait for that.
  if ! verbs_wine wineboot --init >"$work/wineboot.log" 2>&1 </dev/null \
     || ! verbs_wineserver -w || [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Wine could not prepare the prefix ($VERBS_WINE_LOADER):" >&2
    tail -n 20 "$work/wineboot.log" >&2
    exit 1
  fi
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  prepare_prefix
  rm -rf "$work"
  exec "$VERBS_WINE_LOADER" "$exe"
fi

echo "No display is available: running on a virtual display instead."
xvfb_pid="" wm_pid="" program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  verbs_wineserver -k 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
if ! read -r -t 20 n < "$work/display"; then
  echo "The virtual display did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$n"
openbox >/dev/null 2>&1 &
wm_pid=$!
prepare_prefix

verbs_wine "$exe" >"$work/program.log" 2>&1 &
program=$!
# Wait for the maximised main window, then a little longer for the splash to go.
shown=""
for _ in $(seq 1 150); do
  if xdotool search --name '^Lexoria$' >/dev/null 2>&1; then shown=1; break; fi
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$shown" ]; then
  echo "The program's main window did not appear ($VERBS_WINE_LOADER $exe). Wine said:" >&2
  tail -n 20 "$work/program.log" >&2
  exit 1
fi
sleep 4
shot="$PWD/build/screenshot-main-window.png"
import -window root "$shot"
echo "Screenshot of the main window: $shot"
# Close the program as a user would, through its window.
xdotool search --name '^Lexoria$' windowclose >/dev/null 2>&1 || true
for _ in $(seq 1 25); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
verbs_wine cmd /c taskkill /im verbs.exe >/dev/null 2>&1 || true
wait "$program" 2>/dev/null || true
program=""
