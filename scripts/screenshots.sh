#!/usr/bin/env bash
# Takes screenshots of the program on a virtual display, for a look at what
# a learner sees. Each scene is a script in scripts/shots/ (the main window,
# the splash, the about box, the dialogs, the help pages in a web browser
# ...); with names as arguments only those scenes run. Writes PNG files to
# build/screenshots. The help scene installs a web browser (netsurf-gtk)
# when the machine has none, which needs root.
#   scripts/screenshots.sh [scene ...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
. scripts/wine-select.sh
preset=${VERBS_RUNNABLE%% *}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" >/dev/null
bin="$PWD/build/$preset/bin"
out="$PWD/build/screenshots"
env_dir="$PWD/build/$preset/screenshots-wine"
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

set_language() {
  run reg add 'HKCU\Software\Tarnik\Verbs' /v Language /d "$([ "$1" = en ] && echo 1 || echo 0)" /f
}
start_program() {
  verbs_wine "$bin/verbs.exe" >/dev/null 2>&1 &
  program=$!
}
# Ends the program through its Exit command (the Russian or English id);
# fails, killing it, when it is still running 15 s later.
stop_program() {
  run "$bin/post_command.exe" Lexoria "$([ "${1:-ru}" = en ] && echo 57667 || echo 57665)" || true
  local i
  for i in $(seq 75); do
    kill -0 "$program" 2>/dev/null || { wait "$program" || true; return 0; }
    sleep 0.2
  done
  echo "the program did not end on Exit: killed" >&2
  pkill -P "$program" 2>/dev/null || true
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  return 1
}

scenes=("$@")
[ ${#scenes[@]} -gt 0 ] || scenes=($(cd scripts/shots && ls *.sh | sed 's/\.sh$//'))
for scene in "${scenes[@]}"; do
  echo "== $scene"
  # shellcheck source=/dev/null
  . "scripts/shots/$scene.sh"
done
