#!/usr/bin/env bash
# Takes screenshots of the program on a virtual display, for a look at what
# a learner sees: the main window in Russian and English, the splash over it,
# and the about box in both languages. Writes PNG files to build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset i686 >/dev/null
cmake --build --preset i686 >/dev/null
bin="$PWD/build/i686/bin"
out="$PWD/build/screenshots"
env_dir="$PWD/build/i686/screenshots-wine"
mkdir -p "$out"
scripts/wine-env.sh start "$env_dir" >/dev/null
trap 'scripts/wine-env.sh stop "$env_dir"' EXIT
export VERBS_WINE_DIR="$env_dir"
export WINEPREFIX="$env_dir/prefix" DISPLAY="$(cat "$env_dir/display")" WINEDEBUG=-all
run() { scripts/wine-run.sh "$@" >/dev/null 2>&1; }
run reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f || true
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; scripts/wine-env.sh stop "$env_dir"' EXIT
sleep 1
shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }

for lang in ru en; do
  value=$([ "$lang" = en ] && echo 1 || echo 0)
  about=$([ "$lang" = en ] && echo 57666 || echo 57664)
  run reg add 'HKCU\Software\Tarnik\Verbs' /v Language /d "$value" /f
  wine "$bin/verbs.exe" >/dev/null 2>&1 &
  program=$!
  sleep 1
  shot "splash-$lang"
  sleep 3
  shot "main-$lang"
  run "$bin/post_command.exe" Lexoria "$about"
  sleep 1.5
  shot "about-$lang"
  xdotool key Return || true
  sleep 0.5
  run "$bin/post_command.exe" Lexoria $([ "$lang" = en ] && echo 57667 || echo 57665)
  wait $program || true
done
