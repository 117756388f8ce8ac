#!/usr/bin/env bash
# The Windows packages of a build, used as a learner would, each in a fresh
# Wine prefix: the portable zip unpacked and started; the installer run
# silently, the installed program started from its folder, then uninstalled
# silently, leaving nothing but the user's settings; and once more with
# /REMOVESETTINGS, leaving nothing at all.
#   package-test.sh BUILD_DIR
# Every wait has a time limit and says what was on screen when it runs out.
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
. "$scripts/wine-select.sh"
bin="$build/bin"
pkg=$(ls "$build"/packages/Lexoria-*-setup.exe 2>/dev/null | head -n 1)
zip=$(ls "$build"/packages/Lexoria-*-portable.zip 2>/dev/null | head -n 1)
[ -n "$pkg" ] && [ -n "$zip" ] || { echo "FAILED: no packages in $build/packages (build the 'packages' target)"; exit 1; }

env_dir="$build/package-test"
fails=0
fail() { echo "FAILED: $*"; fails=$((fails + 1)); }
ok() { echo "ok: $*"; }

start_env() {
  "$scripts/wine-env.sh" stop "$env_dir" >/dev/null 2>&1 || true
  rm -rf "$env_dir"
  "$scripts/wine-env.sh" start "$env_dir" >/dev/null || { echo "FAILED: no Wine environment"; exit 1; }
  export VERBS_WINE_DIR="$env_dir" WINEPREFIX="$env_dir/prefix" DISPLAY="$(cat "$env_dir/display")" WINEDEBUG=-all
}
stop_env() { "$scripts/wine-env.sh" stop "$env_dir" >/dev/null 2>&1 || true; }
trap stop_env EXIT
wine_run() { "$scripts/wine-run.sh" "$@"; }
# A Windows path of the prefix as a Unix path.
unix_path() { wine_run winepath -u "$1" | tr -d '\r' | tail -n 1; }
reg_has() { wine_run reg query "$1" >/dev/null 2>&1; }
windows_on_screen() { xdotool search --name '.' getwindowname %@ 2>/dev/null | sort -u | tr '\n' '|'; }

# Starts a program, waits for its main window "Lexoria", closes it with its
# Exit command and waits for it to end. $1 describes the start.
run_until_main_window() {
  local what=$1 exe=$2 folder=$3
  (cd "$folder" && "$VERBS_WINE_LOADER" "$exe" >/dev/null 2>&1) &
  local program=$! seen=""
  for _ in $(seq 1 150); do
    xdotool search --name '^Lexoria$' >/dev/null 2>&1 && { seen=1; break; }
    sleep 0.2
  done
  if [ -n "$seen" ]; then ok "$what: the main window is on screen"; else
    fail "$what: no main window within 30 s; on screen: $(windows_on_screen)"; fi
  wine_run "$bin/post_command.exe" Lexoria 57665 >/dev/null 2>&1 || true
  for _ in $(seq 1 100); do kill -0 $program 2>/dev/null || break; sleep 0.2; done
  if kill -0 $program 2>/dev/null; then
    fail "$what: the program did not end within 20 s after Exit"; kill $program 2>/dev/null
    wine_run cmd /c taskkill /f /im verbs.exe >/dev/null 2>&1 || true
  fi
}

wait_gone() { # path, seconds
  for _ in $(seq 1 $(( $2 * 5 ))); do [ -e "$1" ] || return 0; sleep 0.2; done
  return 1
}

# ---- Portable: unpack and start, nothing to install.
start_env
portable="$WINEPREFIX/drive_c/portable"
mkdir -p "$portable" && unzip -q "$zip" -d "$portable"
# Every file the build puts beside the program is in the package.
shipped=$(cd "$bin" && ls verbs.exe Pictures.dll help/*)
for f in $shipped; do
  [ -f "$portable/Lexoria/$f" ] || fail "portable: $f is missing from the zip"
done
run_until_main_window "portable" 'C:\portable\Lexoria\verbs.exe' "$portable/Lexoria"
stop_env

# ---- Installer: it is a 32-bit program, so it runs only where 32-bit programs do.
if [ "$VERBS_CAN_RUN_32BIT" != 1 ]; then
  echo "skipped: the installer is a 32-bit program and $(verbs_arch_reason)"
  [ $fails -eq 0 ] || exit 1
  exit 77
fi

install_and_check() {
  wine_run "$pkg" /S >/dev/null 2>&1 || fail "the silent install ended with an error"
  local_app=$(unix_path 'C:\users\'"$(whoami)"'\AppData\Local')
  install_dir="$local_app/Programs/Lexoria"
  shortcut="$(unix_path 'C:\users\'"$(whoami)"'\AppData\Roaming')/Microsoft/Windows/Start Menu/Programs/Lexoria.lnk"
  for f in uninstall.exe $shipped; do
    [ -f "$install_dir/$f" ] || fail "installed: $f is missing in $install_dir"
  done
  [ -f "$shortcut" ] && ok "the Start menu shortcut exists" || fail "no Start menu shortcut at $shortcut"
  reg_has 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexoria' \
    && ok "the uninstaller is registered" || fail "no uninstall entry"
}

start_env
install_and_check
run_until_main_window "installed" 'C:\users\'"$(whoami)"'\AppData\Local\Programs\Lexoria\verbs.exe' "$install_dir"
reg_has 'HKCU\Software\Tarnik\Verbs' || fail "the installed program kept no settings"
wine_run "$install_dir/uninstall.exe" /S >/dev/null 2>&1
# The uninstaller runs on from a copy of itself in the temporary folder.
wait_gone "$install_dir" 30 && ok "uninstall removed the program folder" \
  || fail "uninstall left $(cd "$install_dir" 2>/dev/null && find . -type f | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "uninstall left the Start menu shortcut"
reg_has 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexoria' && fail "uninstall left its entry"
reg_has 'HKCU\Software\Tarnik\Verbs' && ok "the user's settings are kept" || fail "uninstall removed the settings"

# Once more, asking the uninstaller to remove the settings too, the font
# choice among them (the user's copy, as the program writes it without
# rights to the system folder).
install_and_check
font_dir="$(unix_path 'C:\users\'"$(whoami)"'\AppData\Roaming')/Tarnik/Verbs"
mkdir -p "$font_dir" && head -c 64 /dev/zero > "$font_dir/verbsfont.sav"
wine_run "$install_dir/uninstall.exe" /S /REMOVESETTINGS >/dev/null 2>&1
wait_gone "$install_dir" 30 || fail "the second uninstall left the program folder"
for _ in $(seq 1 50); do reg_has 'HKCU\Software\Tarnik\Verbs' || break; sleep 0.2; done
reg_has 'HKCU\Software\Tarnik\Verbs' && fail "/REMOVESETTINGS kept the settings" || ok "/REMOVESETTINGS removed the settings"
reg_has 'HKCU\Software\Tarnik' && fail "/REMOVESETTINGS left the empty publisher key"
[ -e "$font_dir/verbsfont.sav" ] && fail "/REMOVESETTINGS left the font file"
[ -e "$(dirname "$font_dir")" ] && fail "/REMOVESETTINGS left the empty Tarnik folder"

[ $fails -eq 0 ] || { echo "$fails check(s) failed"; exit 1; }
echo "All package checks passed."
