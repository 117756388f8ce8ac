# Scene: the help contents opened from the program's Help menu with real key
# presses, shown in a web browser: from the English interface the page at its
# English section, from the Russian one the page at its top, the Russian
# section; and in English the options page from the Help button of the
# Options dialog. Sourced by scripts/screenshots.sh, which provides run, shot,
# set_language, start_program, stop_program, $bin, $out and $env_dir.
#
# The browser: NetSurf (Debian's netsurf-gtk), which scrolls to the anchor of
# a file: address given on its command line. The machine has no browser, so
# this scene installs it when it is missing (apt-get, as root); nothing else
# needs it.
#
# How the page reaches it: the program hands the English page to the web
# browser of the http association as "file:///Z:/.../verbs.html#en", and
# opens the Russian page as a document (the .html association). In a Wine
# prefix both lead to Wine's winebrowser (of Wine 8.0 here), which starts the
# first program of its Browsers list (HKCU\Software\Wine\WineBrowser) with
# the address, after turning a file: address into the Unix file's address.
# That turning knows no anchors: it takes "#en" for part of the file name,
# finds no such file and hands on "file://Z:\...\verbs.html#en" unchanged.
# So the list names a small opener of this scene's own, which writes down
# what it was given, turns such an address into the Unix file's address with
# its anchor kept, and starts NetSurf. The prefix of these scripts has no
# .html association (mshtml, which registers it in a usual prefix, is left
# out): the scene adds the one a usual prefix has, and takes its settings
# away when it ends.
. scripts/drive-test.sh

help_opener="$env_dir/help-opener.sh"
help_log="$env_dir/help-opener.log"
help_pid="$env_dir/help-browser.pid"

help_fail() {
  echo "help ($lang): $*" >&2
  echo "on screen:" >&2
  windows | sed 's/^/  /' >&2
  shot "help-failed-$lang" >&2
  help_close_browser
  help_restore_prefix
  stop_program "$lang" || true
  exit 1
}

# The browser, installed when missing; false (with the reason) when it
# cannot be.
help_browser_ready() {
  command -v netsurf-gtk >/dev/null && return 0
  if [ "$(id -u)" != 0 ]; then
    echo "help: netsurf-gtk is not installed, and installing it needs root" >&2
    return 1
  fi
  echo "  installing netsurf-gtk, the web browser of this scene (apt-get, as root)"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y --no-install-recommends netsurf-gtk >/dev/null 2>&1 ||
    { apt-get update >/dev/null 2>&1 && apt-get install -y --no-install-recommends netsurf-gtk >/dev/null 2>&1; } ||
    { echo "help: apt-get could not install netsurf-gtk" >&2; return 1; }
}

# Writes the opener that winebrowser starts, bound to this prefix's drives.
help_write_opener() {
  cat > "$help_opener" <<EOF
#!/bin/sh
# Started by winebrowser with the address of the page to open.
dosdevices='$WINEPREFIX/dosdevices'
log='$help_log'
pidfile='$help_pid'
home='$env_dir/help-browser-home'
EOF
  cat >> "$help_opener" <<'EOF'
address=$1
printf 'given: %s\n' "$address" >> "$log"
case $address in
  file://[A-Za-z]:\\*)
    # A Windows path: its drive's Unix folder, the path with slashes, the
    # anchor kept.
    rest=${address#file://}
    anchor=
    case $rest in *'#'*) anchor="#${rest#*#}"; rest=${rest%%#*} ;; esac
    drive=$(printf '%s' "$rest" | cut -c1 | tr 'A-Z' 'a-z')
    root=$(readlink -f "$dosdevices/$drive:") || exit 1
    path=$(printf '%s' "${rest#?:}" | tr '\\' '/' | sed 's/%/%25/g; s/ /%20/g')
    address="file://${root%/}$path$anchor"
    ;;
esac
printf 'opened: %s\n' "$address" >> "$log"
echo $$ > "$pidfile"
mkdir -p "$home"
HOME=$home exec netsurf-gtk "$address"
EOF
  chmod +x "$help_opener"
}

# The associations added here (none where the prefix has them already).
help_added=()
help_route_prefix() {
  local ext
  run reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$help_opener" /f
  for ext in .html .htm; do
    run reg query "HKCR\\$ext" /ve && continue
    run reg add "HKCR\\$ext" /ve /d htmlfile /f
    help_added+=("$ext")
  done
}
help_restore_prefix() {
  local ext
  run reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f || true
  for ext in "${help_added[@]}"; do run reg delete "HKCR\\$ext" /f || true; done
  help_added=()
}

# Waits (up to 20 s) for the browser's window; prints its id.
help_wait_browser() {
  local i pid id
  for i in $(seq 100); do
    pid=$(cat "$help_pid" 2>/dev/null) || pid=
    if [ -n "$pid" ]; then
      id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) || id=
      [ -n "$id" ] && { echo "$id"; return 0; }
    fi
    sleep 0.2
  done
  return 1
}
# Ends the browser by its process id and waits (up to 10 s) until it has gone.
help_close_browser() {
  local pid i
  pid=$(cat "$help_pid" 2>/dev/null) || return 0
  rm -f "$help_pid"
  kill "$pid" 2>/dev/null || return 0
  for i in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.2
  done
  echo "help: the browser did not end: killed" >&2
  kill -9 "$pid" 2>/dev/null || true
}

# The browser was given the page of the topic, at #en in English and at its
# top in Russian; the opener's log is shown.
help_check_opened() {
  local opened expected="/help/$2.html"
  sed "s/^/  /" "$help_log"
  opened=$(sed -n 's/^opened: //p' "$help_log")
  [ "$1" = en ] && expected="$expected#en"
  [[ "$opened" == file:///*"$expected" ]] || help_fail "the browser was given '$opened', not .../help$expected"
}

if help_browser_ready; then
  help_write_opener
  help_route_prefix
  for lang in en ru; do
    rm -f "$help_log" "$help_pid"
    set_language "$lang"
    start_program
    wait_for ' Lexoria$' || help_fail "the program did not start"
    sleep 3 # the splash goes
    # Help > Content: by its letters in English, by the arrow keys in Russian
    # (the third menu, its first item).
    if [ "$lang" = en ]; then
      xdotool key alt+h
      sleep 0.4
      xdotool key c
    else
      xdotool key --delay 300 F10 Right Right Down Return
    fi
    help_wait_browser >/dev/null || help_fail "no browser window 20 s after Help > Content; the opener's log: $(cat "$help_log" 2>/dev/null)"
    help_check_opened "$lang" verbs
    sleep 3 # the page is laid out and scrolled to its anchor
    shot "help-contents-$lang"
    help_close_browser

    # A dialog's Help button takes the same way: the options page, whose
    # English section starts far down.
    if [ "$lang" = en ]; then
      rm -f "$help_log"
      xdotool key alt+s
      sleep 0.4
      xdotool key o
      wait_for '^0 #32770 .* Program options$' || help_fail "no Options dialog"
      sleep 0.5
      help_button=$(windows | awk '$1 == 1 && $2 == "Button" && $3 == 9' | head -1)
      [ -n "$help_button" ] || help_fail "no Help button in Options"
      set -- $help_button
      xdotool mousemove $((($4 + $6) / 2)) $((($5 + $7) / 2)) click 1
      help_wait_browser >/dev/null || help_fail "no browser window 20 s after Options' Help; the opener's log: $(cat "$help_log" 2>/dev/null)"
      help_check_opened "$lang" verbs_options
      sleep 3
      shot "help-options-$lang"
      help_close_browser
      xdotool key Escape
      wait_gone '^0 #32770 ' || help_fail "Options stays open"
    fi
    stop_program "$lang"
  done
  help_restore_prefix
else
  echo "help: scene skipped (no browser)" >&2
fi
