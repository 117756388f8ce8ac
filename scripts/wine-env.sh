#!/usr/bin/env bash
# Starts or stops a private Wine environment in a folder: a virtual X display
# (1280 x 1024 unless VERBS_SCREEN_SIZE gives another, as "2560x2048x24"),
# a Wine prefix (made once) and a persistent wineserver, so that every program
# start during a test run is quick.
#   wine-env.sh start DIR     wine-env.sh stop DIR
#
# Which fonts a machine has decides what stands in for the dialogs' font, so
# text widths differ from one machine to the next. VERBS_FONTS=DIR[:DIR...]
# (absolute folders: CTest starts this script in the build folder) gives the
# prefix a font set of its own, to try another machine's: the font
# files found below those folders and Wine's own fonts (where they are
# installed), and none of the machine's other fonts. A prefix is made for one
# font set; starting with another one makes it anew.
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

fonts=${VERBS_FONTS:-}

# Hides the machine's fonts from the prefix: a fontconfig file without font
# folders, which verbs_wine hands to every program run in this prefix.
hide_machine_fonts() {
  mkdir -p "$WINEPREFIX"
  cat > "$WINEPREFIX/verbs-fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <cachedir>$WINEPREFIX/fontconfig-cache</cachedir>
</fontconfig>
EOF
}

# Links every font file below the folders of VERBS_FONTS into the prefix's
# font folder, which Wine reads at each program start. The names keep the
# folders they came from, so that two packages' files of one name both stay.
add_font_set() {
  local fonts_dir="$WINEPREFIX/drive_c/windows/Fonts" folder file count=0
  mkdir -p "$fonts_dir"
  local IFS=:
  for folder in $fonts; do
    if [ ! -d "$folder" ]; then
      echo "VERBS_FONTS names no folder: $folder" >&2
      return 1
    fi
    folder=$(cd "$folder" && pwd)
    while IFS= read -r -d '' file; do
      ln -sf "$file" "$fonts_dir/verbs-$(echo "${file#"$folder"/}" | tr '/' '_')"
      count=$((count + 1))
    done < <(find -L "$folder" -type f \( -iname '*.ttf' -o -iname '*.ttc' -o -iname '*.otf' -o -iname '*.fon' \) -print0)
  done
  if [ "$count" = 0 ]; then
    echo "VERBS_FONTS holds no font files (.ttf, .ttc, .otf, .fon): $fonts" >&2
    return 1
  fi
  echo "$count" > "$dir/prefix.font-files"
}

case "$cmd" in
  start)
    "$0" stop "$dir" 2>/dev/null || true
    if [ "$(cat "$dir/prefix.fonts" 2>/dev/null)" != "$fonts" ]; then
      rm -rf "$WINEPREFIX" "$dir/prefix.ready" "$dir/prefix.font-files"
    fi
    # Xvfb picks a free display itself and reports its number, so that
    # builds starting at the same moment never share a display.
    rm -f "$dir/display.fifo"; mkfifo "$dir/display.fifo"
    setsid Xvfb -displayfd 3 -screen 0 "${VERBS_SCREEN_SIZE:-1280x1024x24}" -nolisten tcp 3>"$dir/display.fifo" \
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
      # Noted first: a prefix left half-made is then made anew for another
      # font set instead of keeping this one's hidden fonts.
      echo "$fonts" > "$dir/prefix.fonts"
      [ -z "$fonts" ] || hide_machine_fonts
      if ! verbs_wine wineboot --init >"$dir/wineboot.log" 2>&1 < /dev/null; then
        echo "Wine could not create the prefix ($VERBS_WINE_LOADER):" >&2
        tail -n 20 "$dir/wineboot.log" >&2
        exit 1
      fi
      # Without a window manager on the virtual display, Wine would wait up
      # to two seconds for one each time a window is hidden.
      verbs_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 < /dev/null
      [ -z "$fonts" ] || add_font_set
      touch "$dir/prefix.ready"
    fi
    if [ -n "$fonts" ]; then
      font_set="$(cat "$dir/prefix.font-files") font files of VERBS_FONTS=$fonts and Wine's own"
    else
      font_set="the machine's"
    fi
    echo "Wine environment ready: prefix $WINEPREFIX, display :$n, loader $VERBS_WINE_LOADER ($(verbs_arch_reason)), fonts: $font_set"
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
