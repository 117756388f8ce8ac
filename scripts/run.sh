#!/usr/bin/env bash
# Builds the program and starts it under Wine: the 32-bit build where this
# machine runs 32-bit programs, the 64-bit one otherwise. Settings persist in
# one Wine prefix in the user's data folder, which serves both builds (the
# settings live below HKEY_CURRENT_USER\Software, shared by both). Without a usable display the program runs
# on a virtual one and a screenshot of its main window is saved.
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

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  [ -f "$WINEPREFIX/system.reg" ] || { echo "Preparing Wine prefix $WINEPREFIX ..."; verbs_wine wineboot --init >/dev/null 2>&1; }
  exec "$VERBS_WINE_LOADER" "$exe"
fi

echo "No display is available: running on a virtual display instead."
xvfb_dir=$(mktemp -d)
mkfifo "$xvfb_dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$xvfb_dir/display" >"$xvfb_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 n < "$xvfb_dir/display"
export DISPLAY=":$n"
openbox >/dev/null 2>&1 &
wm_pid=$!
trap 'verbs_wineserver -k 2>/dev/null || true; kill $wm_pid $xvfb_pid 2>/dev/null || true; rm -rf "$xvfb_dir"' EXIT
[ -f "$WINEPREFIX/system.reg" ] || { echo "Preparing Wine prefix $WINEPREFIX ..."; verbs_wine wineboot --init >/dev/null 2>&1; }

verbs_wine "$exe" &
program=$!
# Wait for the maximised main window, then a little longer for the splash to go.
for _ in $(seq 1 150); do
  xdotool search --name '^Lexoria$' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 4
shot="$PWD/build/screenshot-main-window.png"
import -window root "$shot"
echo "Screenshot of the main window: $shot"
# Close the program as a user would, through its window.
xdotool search --name '^Lexoria$' windowclose >/dev/null 2>&1 || true
sleep 1
verbs_wine cmd /c taskkill /im verbs.exe >/dev/null 2>&1 || true
wait $program 2>/dev/null || true
