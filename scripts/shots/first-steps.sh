# Scene: the "First steps" of the help contents page, followed on the program
# as a learner would, from a first start, with real key presses and clicks:
# in Used groups only the 1-2-1 group ticked (Total 7), seven questions set
# in Options, the test started, every question answered right, every box
# closed, and the closing display with the whole picture. In English (the
# menus by their letters, Start from the menu, Enter for answers and boxes)
# and in Russian (the language switched in Options first as the Russian page
# says, the menus by the arrow keys, Start from the toolbar, the Ready and OK
# buttons clicked). Stops at the first step that does not do what the page
# says, with what was on screen, and fails unless the picture ends fully
# uncovered.
. scripts/drive-test.sh

# Stops the scene: what went wrong, the windows on screen, a screenshot.
fail() {
  echo "first steps ($lang): $*" >&2
  echo "on screen:" >&2
  windows | sed 's/^/  /' >&2
  shot "first-steps-failed-$lang" >&2
  exit 1
}

# The window-list line of a control, by control id and class (the first one).
control() { windows | awk -v id="$1" -v cls="$2" '$3 == id && $2 == cls' | head -1; }
control_text() { control "$1" "$2" | cut -d' ' -f8-; }
# Clicks a control: at its centre, or with "low" in the lower part (the down
# arrow of a spin control).
click_control() {
  local line
  line=$(control "$1" "$2")
  [ -n "$line" ] || fail "no control $2 $1 to click"
  set -- $line
  local x=$((($4 + $6) / 2)) y=$((($5 + $7) / 2))
  [ "${where:-}" = low ] && y=$(($7 - 5))
  xdotool mousemove "$x" "$y" click 1
  sleep 0.4
}
# The open dialog (not the main window) has this caption.
wait_dialog() { wait_for "^0 #32770 -?[0-9]+ -?[0-9]+ -?[0-9]+ -?[0-9]+ -?[0-9]+ $1\$" || fail "no dialog \"$1\""; sleep 0.5; }
# Captures the open dialog, frame and all, as NAME.png.
shot_dialog() {
  local x y r b
  read -r x y r b < <(windows | awk '/^0 #32770 / { print $4, $5, $6, $7; exit }')
  [ -n "$b" ] || fail "no dialog to capture for $1"
  x=$((x < 2 ? 0 : x - 2)) y=$((y < 2 ? 0 : y - 2))
  import -window root -crop "$((r - x + 2))x$((b - y + 2))+$x+$y" +repage "$out/$1.png"
  echo "$out/$1.png"
}

# The check boxes of the used-groups list on a screenshot, top to bottom, one
# line each: the screen point of the box's centre and 1 when it is ticked.
# A box is its grey top edge over the light inner edge; a tick is black in it.
check_boxes() {
  local file=$1 line
  line=$(control 1035 ListBox)
  [ -n "$line" ] || return 0
  set -- $line
  local left=$(($4 + 4)) top=$5
  convert "$file" -crop "13x$(($7 - $5))+$left+$top" +repage -depth 8 txt:- 2>/dev/null | awk -v left="$left" -v top="$top" '
    NR > 1 { split($1, xy, /[,:]/); c[xy[1] "," xy[2]] = $3; if (xy[2] > h) h = xy[2] }
    END {
      for (y = 0; y < h; y++) {
        if (c["6," y] != "#A6A6A6" || c["6," (y + 1)] != "#F5F5F5") continue
        t = 0
        for (yy = y + 2; yy < y + 11; yy++) for (x = 2; x < 11; x++) if (c[x "," yy] == "#000000") t = 1
        print left + 6, top + y + 6, t
      }
    }'
}
ticks_on_screen() {
  import -window root "$out/first-steps-list.png"
  check_boxes "$out/first-steps-list.png" | awk '{ printf "%s", $3 } END { print "" }'
}
click_box() {
  local x y
  import -window root "$out/first-steps-list.png"
  read -r x y _ < <(check_boxes "$out/first-steps-list.png" | sed -n "${1}p")
  [ -n "$y" ] || fail "no check box on line $1 of the list"
  xdotool mousemove "$x" "$y" click 1
  sleep 0.5
}

# A value of the program's settings key (or of its groups with "groups").
setting() {
  local key='HKCU\Software\Tarnik\Verbs'
  if [ "$1" = groups ]; then key="$key\\Groups"; shift; fi
  if [ "$1" = "" ]; then
    scripts/wine-run.sh reg query "$key" /ve 2>/dev/null | tr -d '\r' | awk '$1 == "(Default)" { print $3 }'
  else
    scripts/wine-run.sh reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { print $3 }'
  fi
}
# The infinitive of verb number n (its line in the verb table).
verb_at() { awk '!/^#/ && NF { if (++n == k) { sub(/ *\|.*/, ""); print; exit } }' k="$1" data/resources/verbs.txt; }

# Sends the typed answer: with Enter, or with the Ready button.
send_answer() {
  if [ "$lang" = en ]; then xdotool key Return; else click_control 505 ToolbarWindow32; fi
}
close_result_box() {
  if [ "$lang" = en ]; then xdotool key Return; else click_control 1 Button; fi
  wait_box_gone || fail "the result box stays open"
}

for lang in en ru; do
  echo "  first steps in $([ $lang = en ] && echo English || echo Russian)"
  if [ "$lang" = en ]; then
    t_groups="Selected groups" t_options="Program options" infinitive="Infinitive" well_done='\nWell done!'
    finished="The test is finished!"
  else
    t_groups="Выбранные группы" t_options="Задание параметров программы" infinitive="Инфинитив"
    well_done='\nОтвет правильный!' finished="Тест окончен!"
  fi
  # A first start: no settings, no groups.
  run reg delete 'HKCU\Software\Tarnik\Verbs' /f || true
  start_program
  wait_for ' Lexoria$' || fail "the program did not start"
  sleep 3 # the splash goes

  # The interface starts in English; the Russian page first switches it.
  if [ "$lang" = ru ]; then
    xdotool key alt+s
    sleep 0.4
    xdotool key o
    wait_dialog "Program options"
    click_control 1005 Button # Русский
    [ "$(control_text 1009 Static)" = "&Количество вопросов" ] || fail "Options did not turn Russian"
    click_control 1 Button
    wait_gone '^0 #32770 ' || fail "Options stays open"
    wait_for '^0 FwWnd:0 .* Lexoria$' || fail "the window title is no longer Lexoria"
  fi

  # Used groups: at first only All verbs, the last line, is ticked; it is
  # unticked and 1-2-1, the third line, ticked, by clicks on their boxes.
  if [ "$lang" = en ]; then
    xdotool key alt+s
    sleep 0.4
    xdotool key u
  else
    xdotool key --delay 300 F10 Right Down Down Down Down
    sleep 0.4
    shot first-steps-menu-ru >/dev/null
    xdotool key Return
  fi
  wait_dialog "$t_groups"
  [ "$(control_text 1040 Edit)" = 294 ] || fail "Total reads $(control_text 1040 Edit) with all verbs, not 294"
  [ "$(ticks_on_screen)" = 000001 ] || fail "ticks at first: $(ticks_on_screen), not only the last line of six"
  click_box 6
  click_box 3
  ticks=$(ticks_on_screen)
  [ "$ticks" = 001000 ] || fail "ticks after the clicks: $ticks, not the third line alone"
  [ "$(control_text 1040 Edit)" = 7 ] || fail "Total reads $(control_text 1040 Edit), not 7"
  shot_dialog "first-steps-groups-$lang"
  members=$(setting groups 1-2-1)
  [[ "$members" == *';-1' && -z "$(setting groups '')" ]] ||
    fail "the ticked line is not the group 1-2-1 (1-2-1: '$members', all verbs: '$(setting groups '')')"
  click_control 1 Button
  wait_gone '^0 #32770 ' || fail "Used groups stays open"

  # Options: the number of questions from 10 down to 7 with the spin's
  # down arrow; the rest stays at what the page says it is.
  if [ "$lang" = en ]; then
    xdotool key alt+s
    sleep 0.4
    xdotool key o
  else
    xdotool key --delay 300 F10 Right Down Return
  fi
  wait_dialog "$t_options"
  [ "$(control_text 1010 Edit)" = 10 ] || fail "the number of questions is $(control_text 1010 Edit) at first, not 10"
  for _ in 1 2 3; do where=low click_control 1011 msctls_updown32; done
  [ "$(control_text 1010 Edit)" = 7 ] || fail "the number of questions reads $(control_text 1010 Edit), not 7"
  shot_dialog "first-steps-options-$lang"
  click_control 1 Button
  wait_gone '^0 #32770 ' || fail "Options stays open"
  kept="$(setting NumWords) $(setting OnlyOneForm) $(setting MaxAttempt) $(setting ShowTranslate) $(setting ShowRightAnswer) $(setting MustLimitTime)"
  [ "$kept" = "7 0 3 1 1 0" ] ||
    fail "stored options (questions, one form, attempts, translation, correct answer, time limit): $kept"

  # Start: from the menu, or with the green triangle, the first toolbar button.
  if [ "$lang" = en ]; then
    xdotool key alt+t
    sleep 0.4
    xdotool key s
  else
    toolbar=$(control 59392 ToolbarWindow32)
    [ -n "$toolbar" ] || fail "no toolbar"
    set -- $toolbar
    xdotool mousemove $(($4 + 12)) $((($5 + $7) / 2)) click 1
  fi
  wait_for " $infinitive:\$" || fail "the test did not start"
  sleep 0.5
  shot "first-steps-start-$lang" >/dev/null
  picture_right=$(windows | awk '$1 == 3 && $3 == 501 && $2 ~ /^FwWnd/ { print $6; exit }')
  label_left=$(windows | awk -v l="$infinitive:" '$NF == l { print $4; exit }')
  [ -n "$picture_right" ] && [ "$picture_right" -lt "$label_left" ] || fail "no picture left of the question"
  covered=$(covered_cells "$out/first-steps-start-$lang.png")
  [ "$covered" = 320 ] || fail "$covered of 320 tiles cover the picture at the start"

  # Seven questions, each a verb of the group asked once, answered right.
  group_verbs=" "
  for n in $(echo "$members" | tr ';' ' '); do
    if [ "$n" -gt 0 ]; then group_verbs+="$(verb_at "$n") "; fi
  done
  asked=" "
  for q in 1 2 3 4 5 6 7; do
    wait_for " $infinitive:\$" || fail "no question $q"
    verb=$(question)
    [[ "$group_verbs" == *" $verb "* ]] || fail "question $q asks '$verb', not a verb of 1-2-1:$group_verbs"
    [[ "$asked" != *" $verb "* ]] || fail "question $q asks '$verb' again"
    asked+="$verb "
    past=$(verb_form "$verb" 2) participle=$(verb_form "$verb" 3)
    echo "    $q. $verb: typing $past / $participle"
    xdotool type --delay 40 "$past"
    xdotool key Tab
    xdotool type --delay 40 "$participle"
    send_answer
    wait_box || fail "no result box for question $q"
    [ "$(box_text)" = "$well_done" ] || fail "the box for '$verb' says: $(box_text)"
    close_result_box
  done

  # The closing display over the whole picture; Ready closes the test.
  wait_for "$finished" || fail "no closing text after the last question"
  if windows | grep -q " $infinitive:\$"; then fail "a question is still on screen with the closing text"; fi
  sleep 0.5
  shot "first-steps-closing-$lang"
  covered=$(covered_cells "$out/first-steps-closing-$lang.png")
  echo "    covered cells at the end: $covered"
  [ "$covered" = 0 ] || fail "$covered cells of the picture are still covered"
  click_control 505 ToolbarWindow32 # Ready
  wait_gone "$finished" || fail "Ready did not close the test"
  stop_program "$lang"
done
echo "first steps: followed in both languages; the picture ends fully uncovered"
