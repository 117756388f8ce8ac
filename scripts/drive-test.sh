# Functions that drive a test of the running program from outside, with real
# key presses (xdotool) on its virtual display. Sourced by scenes of
# scripts/screenshots.sh, which provide $bin, run and shot.
#
# The program's windows are read with window_list.exe: one line per window,
#   <depth> <class> <control id> <left> <top> <right> <bottom> <text>

# Sets an option of the program in its registry key.
set_option() {
  run reg add 'HKCU\Software\Tarnik\Verbs' /v "$1" /d "$2" /f
}
# Tests draw from all verbs.
choose_all_verbs() {
  run reg add 'HKCU\Software\Tarnik\Verbs\Groups' /ve /d -1 /f
}

windows() {
  scripts/wine-run.sh "$bin/window_list.exe" Lexoria 2>/dev/null | tr -d '\r'
}
# Waits until a line of the window list matches the pattern (up to 10 s).
wait_for() {
  local i
  for i in $(seq 50); do
    windows | grep -qE "$1" && return 0
    sleep 0.2
  done
  echo "never on screen: $1" >&2
  return 1
}
wait_gone() {
  local i
  for i in $(seq 50); do
    windows | grep -qE "$1" || return 0
    sleep 0.2
  done
  echo "still on screen: $1" >&2
  return 1
}
# A result box (dialog class, OK button) is open / has gone.
wait_box() { wait_for '^0 #32770 '; sleep 0.3; }
wait_box_gone() { wait_gone '^0 #32770 '; sleep 0.2; }
box_text() { windows | awk '$1 == 1 && $2 == "Static" && $3 == 1016' | cut -d' ' -f8-; }

# The infinitive of the question on screen (the text after its label).
question() {
  windows | awk '/ (Infinitive|Инфинитив):$/ { label = 1; next } label { for (i = 8; i <= NF; i++) printf "%s%s", $i, (i < NF ? " " : ""); exit }'
}
# Field n (2 past tense, 3 past participle) of the verb in the verb table,
# its first variant only.
verb_form() {
  awk -F'|' -v verb="$1" -v n="$2" '!/^#/ {
      inf = $1; gsub(/^ +| +$/, "", inf)
      if (inf == verb) { form = $n; sub(/;.*/, "", form); gsub(/^ +| +$/, "", form); print form; exit }
    }' data/resources/verbs.txt
}

# Types the answer to the question on screen with real keys: the past tense,
# Tab, the past participle (or a wrong pair when $1 is "wrong"), then Enter.
answer() {
  local verb past participle
  verb=$(question)
  [ -n "$verb" ] || { echo "no question on screen" >&2; return 1; }
  past=$(verb_form "$verb" 2)
  participle=$(verb_form "$verb" 3)
  if [ "${1:-right}" = wrong ]; then past="${past}x"; participle="${participle}x"; fi
  # can and may (modal verbs) are asked only their past tense: the
  # participle field is greyed and Tab does not leave the first one.
  case $verb in can|may)
    echo "  $verb: typing $past (no participle asked)"
    xdotool type --delay 40 "$past"
    xdotool key Return
    return ;;
  esac
  echo "  $verb: typing $past / $participle"
  xdotool type --delay 40 "$past"
  xdotool key Tab
  xdotool type --delay 40 "$participle"
  xdotool key Return
}
close_box() { xdotool key Return; wait_box_gone; }

# Screen position "left top" of the picture (240 x 300) while a test runs.
picture_origin() {
  windows | awk '$1 == 3 && $3 == 501 && $2 ~ /^FwWnd/ { print $4, $5; exit }'
}

# Covered cells of the picture on screen at "left top": a covered cell shows
# a white top edge and a grey right edge (the raised tile), an uncovered one
# the picture.
count_tiles() {
  convert "$1" -crop "240x300+$2+$3" +repage -depth 8 txt:- | awk '
    NR > 1 {
      split($1, xy, /[,:]/); x = xy[1]; y = xy[2]
      c = int(x / 15); r = int(y / 15); dx = x - 15 * c; dy = y - 15 * r
      if (dy == 1 && dx == 7 && $3 == "#FFFFFF") top[c "," r] = 1
      if (dx == 14 && dy == 7 && $3 == "#808080") right[c "," r] = 1
    }
    END { n = 0; for (k in top) if (k in right) n++; print n }'
}
# Where the picture stands in a screenshot ("left top"): the place its window
# reports, or a pixel off where the window manager's frame moves the screen
# against the places Wine reports (the place where the tiles fit best).
picture_place() {
  local shotfile=$1 rect best=-1 place n ox oy
  rect=$(picture_origin)
  [ -n "$rect" ] || return 0
  set -- $rect
  for ox in 0 -1 1; do
    for oy in 0 -1 1; do
      n=$(count_tiles "$shotfile" $(($1 + ox)) $(($2 + oy)))
      if ((n > best)); then best=$n; place="$(($1 + ox)) $(($2 + oy))"; fi
    done
  done
  echo "$place"
}
covered_cells() {
  local place
  place=$(picture_place "$1")
  [ -n "$place" ] || { echo 320; return; }
  count_tiles "$1" $place
}

# Whether the picture at "left top" in the later screenshot is the one seen
# in the earlier one: the cells uncovered then show the same pixels now (no
# other window over the picture, no blanked screen) and the picture has more
# than a few colours (not one flat colour). Says what it found.
same_picture() {
  local earlier=$1 later=$2
  set -- $3
  { convert "$earlier" -crop "240x300+$1+$2" +repage -depth 8 txt:- | sed 's/^/A /'
    convert "$later" -crop "240x300+$1+$2" +repage -depth 8 txt:- | sed 's/^/B /'
  } | awk '
    $2 == "#" { next }
    {
      split($2, xy, /[,:]/); x = xy[1]; y = xy[2]
      c = int(x / 15) "," int(y / 15); dx = x % 15; dy = y % 15
    }
    $1 == "A" {
      pixel[x "," y] = $4
      if (dy == 1 && dx == 7 && $4 == "#FFFFFF") top[c] = 1
      if (dx == 14 && dy == 7 && $4 == "#808080") right[c] = 1
      next
    }
    {
      colours[$4] = 1
      if (!((c in top) && (c in right)) && pixel[x "," y] != $4) differ++
    }
    END {
      n = 0; for (k in colours) n++
      printf "  picture: %d colours, %d pixels of the cells uncovered earlier changed\n", n, differ
      exit !(differ == 0 && n > 64)
    }'
}

# Waits up to 15 s for the program of start_program to end; when it does
# not, kills it and fails.
wait_program_end() {
  local i
  for i in $(seq 75); do
    kill -0 "$program" 2>/dev/null || { wait "$program" || true; return 0; }
    sleep 0.2
  done
  echo "the program did not end: killed" >&2
  pkill -P "$program" 2>/dev/null || true
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  return 1
}
