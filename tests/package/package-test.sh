#!/usr/bin/env bash
# The Windows packages of a build, used as a learner would, each in a fresh
# Wine prefix: the portable zip unpacked and started; the installer run
# silently into a folder that already holds a page of the user's, the
# installed program started through its Start menu shortcut, a second silent
# install and a silent uninstall refused while it runs, then uninstalled
# silently, leaving nothing but the user's page and settings; once more with
# a file held open by another program, which an install refuses to replace
# and an uninstall to leave half done, keeping its entry and shortcut; and
# after the file is let go, uninstalled with /REMOVESETTINGS, leaving nothing
# at all.
#   package-test.sh BUILD_DIR SETUP_EXE PORTABLE_ZIP
# The installer's stub is a 32-bit program: where 32-bit programs cannot run,
# the same installer script is built on NSIS's 64-bit stub and checked so.
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

# ---- Installer. Its own stub is a 32-bit program; elsewhere the script of
# this very package (its staged files and defines, left by make-package.sh)
# is built again on the 64-bit stub, so that what it does is still checked.
if [ "$VERBS_CAN_RUN_32BIT" != 1 ]; then
  arch=$(basename "$pkg" | sed -n 's/.*-\(x64\|x86\)-setup\.exe$/\1/p')
  defines="$(dirname "$pkg")/stage-$arch/makensis.defines"
  stub_dir="$build/package-test-stub"
  rm -rf "$stub_dir" && mkdir -p "$stub_dir"
  mapfile -t nsis_defines < "$defines" 2>/dev/null
  if [ "$arch" != x64 ] || [ ${#nsis_defines[@]} -eq 0 ] ||
     ! makensis -V1 -INPUTCHARSET UTF8 "${nsis_defines[@]}" -DSTUB=amd64-unicode -DOUTFILE="$stub_dir/setup.exe" \
         "$(dirname "$0")/../../tools/package/verbs.nsi" > "$stub_dir/makensis.log" 2>&1; then
    echo "skipped: the installer is a 32-bit program, $(verbs_arch_reason), and its script could not be built on the 64-bit stub ($stub_dir/makensis.log)"
    [ $fails -eq 0 ] || exit 1
    exit 77
  fi
  pkg="$stub_dir/setup.exe"
  echo "note: the installer's stub is a 32-bit program and $(verbs_arch_reason): its script is checked on the 64-bit stub"
fi

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexoria'
# Where the installer puts things for the prefix's user (after start_env).
locate_install() {
  user='C:\users\'"$(whoami)"
  install_win="$user"'\AppData\Local\Programs\Lexoria'
  install_dir=$(unix_path "$install_win")
  shortcut_win="$user"'\AppData\Roaming\Microsoft\Windows\Start Menu\Programs\Lexoria.lnk'
  shortcut=$(unix_path "$shortcut_win")
}
install_and_check() {
  wine_run "$pkg" /S >/dev/null 2>&1 || fail "the silent install ended with an error"
  for f in uninstall.exe $shipped; do
    [ -f "$install_dir/$f" ] || fail "installed: $f is missing in $install_dir"
  done
  [ -f "$shortcut" ] && ok "the Start menu shortcut exists" || fail "no Start menu shortcut at $shortcut"
  reg_has "$uninstall_key" && ok "the uninstaller is registered" || fail "no uninstall entry"
}
# The uninstaller goes on from a copy of itself and ends at once; run from a
# copy outside the folder with _?= it does its work in place and waits, so
# that its exit code is the uninstall's.
uninstall_waiting() {
  cp "$install_dir/uninstall.exe" "$WINEPREFIX/drive_c/uninstall-copy.exe"
  wine_run 'C:\uninstall-copy.exe' /S "_?=$install_win" >/dev/null 2>&1
}
# What an uninstall that could not finish must keep: the entry and the
# shortcut, and the uninstaller to run again.
kept_for_retry() {
  local what=$1
  reg_has "$uninstall_key" && ok "$what: the uninstall entry is kept" || fail "$what: the uninstall entry is gone"
  [ -f "$shortcut" ] || fail "$what: the Start menu shortcut is gone"
  [ -f "$install_dir/uninstall.exe" ] || fail "$what: the uninstaller is gone"
}
files_left() { (cd "$install_dir" 2>/dev/null && find . -type f | sort | tr '\n' ' '); }

# A second silent install and a silent uninstall while the program runs must
# fail, not report a success that replaced or removed nothing (or half).
refused_while_running() {
  wine_run "$pkg" /S >/dev/null 2>&1
  local rc=$?
  [ $rc -eq 2 ] && ok "a silent install while the program runs fails with code 2" \
    || fail "a silent install while the program runs ended with code $rc"
  uninstall_waiting
  rc=$?
  [ $rc -eq 2 ] && ok "a silent uninstall while the program runs fails with code 2" \
    || fail "a silent uninstall while the program runs ended with code $rc"
  [ -f "$install_dir/verbs.exe" ] || fail "the refused uninstall removed verbs.exe"
  kept_for_retry "the refused uninstall"
}

# Another program holds a file open (readable, not writable or deletable)
# until release_held_file, for 90 s at most.
hold_file() {
  held_marker="$WINEPREFIX/drive_c/held.marker"
  rm -f "$held_marker"
  (timeout 120 "$VERBS_WINE_LOADER" "$bin/hold_file.exe" "$1" 'C:\held.marker' 90 >/dev/null 2>&1) &
  holder=$!
  within 20 test -f "$held_marker" || fail "hold_file did not hold $1 within 20 s"
}
release_held_file() {
  rm -f "$held_marker"
  wait "$holder" || fail "hold_file ended with code $? (3: it held the file until its time ran out)"
}

start_env
locate_install
# A folder that already holds a help page of the user's: it must survive.
mkdir -p "$install_dir/help" && echo '<p>my own notes</p>' > "$install_dir/help/notes.html"
install_and_check
# Started as a learner starts it: through the shortcut.
run_until_main_window "installed, started through its shortcut" "$install_dir" refused_while_running \
  start "$shortcut_win"
reg_has 'HKCU\Software\Tarnik\Verbs' || fail "the installed program kept no settings"
wine_run "$install_dir/uninstall.exe" /S >/dev/null 2>&1
# The uninstaller goes on from a copy of itself in the temporary folder and
# removes the program folder last; here the user's page keeps it.
only_user_page_left() { [ "$(files_left)" = "./help/notes.html " ] && [ ! -e "$install_dir/uninstall.exe" ]; }
within 30 only_user_page_left && ok "uninstall removed every installed file and kept the user's page" \
  || fail "uninstall left $(files_left) (only ./help/notes.html should stay)"
within 10 absent "$shortcut" || fail "uninstall left the Start menu shortcut"
within 10 no_reg "$uninstall_key" || fail "uninstall left its entry"
reg_has 'HKCU\Software\Tarnik\Verbs' && ok "the user's settings are kept" || fail "uninstall removed the settings"
rm -rf "$install_dir"

# Once more, with the theme library held open by another program: an install
# over it replaces nothing, an uninstall keeps its entry and shortcut and
# fails with code 2; let go, the uninstall completes. This time it removes
# the settings too, the font choice among them (the user's copy, as the
# program writes it without rights to the system folder).
install_and_check
printf 'not replaced' >> "$install_dir/verbs.exe"
marked=$(md5sum < "$install_dir/verbs.exe")
hold_file "$install_win"'\Pictures.dll'
wine_run "$pkg" /S >/dev/null 2>&1
rc=$?
[ $rc -eq 2 ] && ok "a silent install over a held file fails with code 2" \
  || fail "a silent install over a held file ended with code $rc"
[ "$(md5sum < "$install_dir/verbs.exe")" = "$marked" ] && ok "the refused install replaced nothing" \
  || fail "the refused install replaced verbs.exe"
uninstall_waiting
rc=$?
[ $rc -eq 2 ] && ok "a silent uninstall that cannot remove a held file fails with code 2" \
  || fail "a silent uninstall that cannot remove a held file ended with code $rc"
[ -f "$install_dir/Pictures.dll" ] || fail "the held file is gone"
kept_for_retry "the uninstall that could not remove a held file"
release_held_file
font_dir="$(unix_path "$user"'\AppData\Roaming')/Tarnik/Verbs"
# Beside it, the web link file the program made where its own folder was
# not writable.
mkdir -p "$font_dir" && head -c 64 /dev/zero > "$font_dir/verbsfont.sav"
printf '[InternetShortcut]\r\nURL=https://example.org/\r\n' > "$font_dir/verbs.url"
wine_run "$install_dir/uninstall.exe" /S /REMOVESETTINGS >/dev/null 2>&1
within 30 absent "$install_dir" && ok "the uninstall run again removed the program folder" \
  || fail "the uninstall run again left $(files_left)"
within 10 absent "$shortcut" || fail "the uninstall run again left the Start menu shortcut"
within 10 no_reg "$uninstall_key" || fail "the uninstall run again left its entry"
within 10 no_reg 'HKCU\Software\Tarnik\Verbs' && ok "/REMOVESETTINGS removed the settings" \
  || fail "/REMOVESETTINGS kept the settings"
within 10 no_reg 'HKCU\Software\Tarnik' || fail "/REMOVESETTINGS left the empty publisher key"
within 10 absent "$font_dir/verbsfont.sav" || fail "/REMOVESETTINGS left the font file"
within 10 absent "$font_dir/verbs.url" || fail "/REMOVESETTINGS left the web link file"
within 10 absent "$(dirname "$font_dir")" || fail "/REMOVESETTINGS left the empty Tarnik folder"

[ $fails -eq 0 ] || { echo "$fails check(s) failed"; exit 1; }
echo "All package checks passed."
