# Scene: the options, used groups, input-string and group members dialogs,
# in both languages. Sourced by scripts/screenshots.sh, which provides run,
# shot, set_language, start_program, stop_program and $bin.

# Captures the window with the given title and its frame, as NAME.png (cut
# out of the whole screen: the window alone would come out with holes).
shot_window() {
  local id x y w h
  id=$(xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null | head -1) || true
  if [ -z "$id" ]; then
    echo "no window \"$2\" for $1" >&2
    shot "$1"
    return
  fi
  # The window's own client area, in screen coordinates, and room for the frame.
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
  x=$((x - 6)) y=$((y - 28)) w=$((w + 12)) h=$((h + 34))
  import -window root -crop "${w}x${h}+$((x < 0 ? 0 : x))+$((y < 0 ? 0 : y))" +repage "$out/$1.png"
  echo "$out/$1.png"
}
# Sends a command (a menu id or a dialog button) to the window with that title.
send() { run "$bin/post_command.exe" "$1" "$2" || true; sleep 1; }

for lang in ru en; do
  set_language "$lang"
  run reg add 'HKCU\Software\Tarnik\Verbs' /v NumWords /d 25 /f
  # The start makes the groups afresh; then one whose name is as long as
  # names may be, of wide letters.
  run reg delete 'HKCU\Software\Tarnik\Verbs\Groups' /f || true
  start_program
  sleep 4
  run reg add 'HKCU\Software\Tarnik\Verbs\Groups' /v "ЖЖЖ Сильные глаг WW" /d "1;2;3;" /f
  if [ "$lang" = en ]; then
    options=32774 groups=32798 exit_id=57667
    t_options="Program options" t_groups="Selected groups" t_input="Input string" t_members="Included verbs"
  else
    options=32771 groups=32797 exit_id=57665
    t_options="Задание параметров программы" t_groups="Выбранные группы" t_input="Ввод строки"
    t_members="Выбранные глаголы"
  fi
  send Lexoria "$options"
  shot_window "options-$lang" "$t_options"
  xdotool key Escape; sleep 0.5

  send Lexoria "$groups"
  shot_window "used-groups-$lang" "$t_groups"
  send "$t_groups" 1036             # "+": the input-string dialog
  xdotool type --delay 50 "Strong verbs"
  shot_window "input-string-$lang" "$t_input"
  xdotool type --delay 50 " of the past"   # past the limit: the balloon says why
  shot "input-string-full-$lang"         # the whole screen: the balloon reaches past the dialog
  xdotool key Escape; sleep 0.5
  xdotool key End; sleep 0.5        # select the long name, the last line
  shot_window "used-groups-long-$lang" "$t_groups"
  send "$t_groups" 1037             # "?": the members of the selected group
  shot_window "group-verbs-$lang" "$t_members"
  xdotool key Escape; sleep 0.5
  xdotool key Escape; sleep 0.5
  stop_program "$lang"
done
