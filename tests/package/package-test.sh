#!/usr/bin/env bash
# The Windows packages of a build, used as a learner would, each in a fresh
# Wine prefix: the portable zip unpacked and started; the installer run
# silently, the installed program started through its Start menu shortcut,
# a second silent install refused while it runs, then uninstalled silently,
# leaving nothing but the user's settings; and once more with
# /REMOVESETTINGS, leaving nothing at all.
#   package-test.sh BUILD_DIR SETUP_EXE PORTABLE_ZIP
# Every wait has a time limit and says what was on screen when it runs out.
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
pkg=${2:?installer}
zip=${3:?portable zip}
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
. "$scripts/wine-select.sh"
bin="$build/bin"
[ -f "$pkg" ] && [ -f "$zip" ] || { echo "FAILED: no packages $pkg, $zip (build the 'packages' target)"; exit 1; }

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
windows_on_screen() { xdotool search --name '.' getwindowname %@ 2>/dev/null | sort -u | tr '\n' '|'; }
# A Windows program under Wine, given two minutes at most: an installer
# stopped on a box must fail the test, not hang it.
wine_run() {
  timeout 120 "$scripts/wine-run.sh" "$@"
  local rc=$?
  [ $rc -eq 124 ] && echo "FAILED: '$*' did not end within 120 s; on screen: $(windows_on_screen)" >&2
  return $rc
}
# A Windows path of the prefix as a Unix path.
unix_path() { wine_run winepath -u "$1" | tr -d '\r' | tail -n 1; }
reg_has() { wine_run reg query "$1" >/dev/null 2>&1; }
# Waits up to $1 seconds for a condition (the rest of the arguments).
within() {
  local seconds=$1; shift
  for _ in $(seq 1 $(( seconds * 5 ))); do "$@" && return 0; sleep 0.2; done
  return 1
}
# The program's main window: titled "Lexoria" and maximised, so that an error
# box of the same caption does not count.
main_window_shown() {
  local id w
  for id in $(xdotool search --name '^Lexoria$' 2>/dev/null); do
    w=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    [ "${w:-0}" -ge 640 ] && return 0
  done
  return 1
}
main_window_gone() { ! main_window_shown; }
absent() { [ ! -e "$1" ]; }
no_reg() { ! reg_has "$1"; }

# Starts the program with the Windows command line after the first three
# arguments, in folder $2, waits for its main window, runs $3 (if not "-")
# while it is on screen, then closes it with its Exit command.
run_until_main_window() {
  local what=$1 folder=$2 while_running=$3
  shift 3
  (cd "$folder" && timeout 120 "$VERBS_WINE_LOADER" "$@" >/dev/null 2>&1) &
  if within 30 main_window_shown; then ok "$what: the main window is on screen"; else
    fail "$what: no main window within 30 s; on screen: $(windows_on_screen)"; fi
  [ "$while_running" != - ] && $while_running
  wine_run "$bin/post_command.exe" Lexoria 57665 >/dev/null 2>&1 || true
  if ! within 20 main_window_gone; then
    fail "$what: the program did not end within 20 s after Exit"
    wine_run cmd /c taskkill /f /im verbs.exe >/dev/null 2>&1 || true
  fi
  sleep 1 # the process ends after its window
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
run_until_main_window "portable" "$portable/Lexoria" - 'C:\portable\Lexoria\verbs.exe'
stop_env

# ---- Installer: it is a 32-bit program, so it runs only where 32-bit programs do.
if [ "$VERBS_CAN_RUN_32BIT" != 1 ]; then
  echo "skipped: the installer is a 32-bit program and $(verbs_arch_reason)"
  [ $fails -eq 0 ] || exit 1
  exit 77
fi

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexoria'
install_and_check() {
  wine_run "$pkg" /S >/dev/null 2>&1 || fail "the silent install ended with an error"
  user='C:\users\'"$(whoami)"
  install_dir="$(unix_path "$user"'\AppData\Local')/Programs/Lexoria"
  shortcut_win="$user"'\AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Lexoria.lnk'
  shortcut=$(unix_path "$shortcut_win")
  for f in uninstall.exe $shipped; do
    [ -f "$install_dir/$f" ] || fail "installed: $f is missing in $install_dir"
  done
  [ -f "$shortcut" ] && ok "the Start menu shortcut exists" || fail "no Start menu shortcut at $shortcut"
  reg_has "$uninstall_key" && ok "the uninstaller is registered" || fail "no uninstall entry"
}

# A second silent install while the program runs must fail, not report a
# success that replaced nothing.
install_while_running() {
  wine_run "$pkg" /S >/dev/null 2>&1
  local rc=$?
  [ $rc -eq 2 ] && ok "a silent install while the program runs fails with code 2" \
    || fail "a silent install while the program runs ended with code $rc"
}

start_env
install_and_check
# Started as a learner starts it: through the shortcut.
run_until_main_window "installed, started through its shortcut" "$install_dir" install_while_running \
  start "$shortcut_win"
reg_has 'HKCU\Software\Tarnik\Verbs' || fail "the installed program kept no settings"
wine_run "$install_dir/uninstall.exe" /S >/dev/null 2>&1
# The uninstaller goes on from a copy of itself in the temporary folder and
# removes the program folder last.
within 30 absent "$install_dir" && ok "uninstall removed the program folder" \
  || fail "uninstall left $(cd "$install_dir" 2>/dev/null && find . -type f | tr '\n' ' ')"
within 10 absent "$shortcut" || fail "uninstall left the Start menu shortcut"
within 10 no_reg "$uninstall_key" || fail "uninstall left its entry"
reg_has 'HKCU\Software\Tarnik\Verbs' && ok "the user's settings are kept" || fail "uninstall removed the settings"

# Once more, asking the uninstaller to remove the settings too, the font
# choice among them (the user's copy, as the program writes it without
# rights to the system folder).
install_and_check
font_dir="$(unix_path "$user"'\AppData\Roaming')/Tarnik/Verbs"
mkdir -p "$font_dir" && head -c 64 /dev/zero > "$font_dir/verbsfont.sav"
wine_run "$install_dir/uninstall.exe" /S /REMOVESETTINGS >/dev/null 2>&1
within 30 absent "$install_dir" || fail "the second uninstall left the program folder"
within 10 no_reg 'HKCU\Software\Tarnik\Verbs' && ok "/REMOVESETTINGS removed the settings" \
  || fail "/REMOVESETTINGS kept the settings"
within 10 no_reg 'HKCU\Software\Tarnik' || fail "/REMOVESETTINGS left the empty publisher key"
within 10 absent "$font_dir/verbsfont.sav" || fail "/REMOVESETTINGS left the font file"
within 10 absent "$(dirname "$font_dir")" || fail "/REMOVESETTINGS left the empty Tarnik folder"

[ $fails -eq 0 ] || { echo "$fails check(s) failed"; exit 1; }
echo "All package checks passed."
