#!/usr/bin/env bash
# Builds the program and starts it under Wine. Settings persist in a Wine
# prefix in the user's data folder. Without a usable display the program runs
# on a virtual one and a screenshot of its main window is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset i686 >/dev/null
cmake --build --preset i686

data_home=${XDG_DATA_HOME:-$HOME/.local/share}
export WINEPREFIX="$data_home/verbs/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$(dirname "$WINEPREFIX")"
exe="$PWD/build/i686/bin/verbs.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  [ -f "$WINEPREFIX/system.reg" ] || { echo "Preparing Wine prefix $WINEPREFIX ..."; wineboot --init >/dev/null 2>&1; }
  exec wine "$exe"
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
trap 'wineserver -k 2>/dev/null || true; kill $wm_pid $xvfb_pid 2>/dev/null || true; rm -rf "$xvfb_dir"' EXIT
[ -f "$WINEPREFIX/system.reg" ] || { echo "Preparing Wine prefix $WINEPREFIX ..."; wineboot --init >/dev/null 2>&1; }

wine "$exe" &
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
wine cmd /c taskkill /im verbs.exe >/dev/null 2>&1 || true
wait $program 2>/dev/null || true
