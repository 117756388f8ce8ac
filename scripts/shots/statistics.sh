# Scene: the statistics of the answer history, empty and after three months
# of a learner's tests, in both languages. Sourced by scripts/screenshots.sh,
# which provides run, shot, set_language, start_program, stop_program and $bin.

# Captures the window with the given title and its frame, as NAME.png.
stats_shot() {
  local id x y w h
  id=$(xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null | head -1) || true
  if [ -z "$id" ]; then
    echo "no window \"$2\" for $1" >&2
    shot "$1"
    return
  fi
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
  x=$((x - 6)) y=$((y - 28)) w=$((w + 12)) h=$((h + 34))
  import -window root -crop "${w}x${h}+$((x < 0 ? 0 : x))+$((y < 0 ? 0 : y))" +repage "$out/$1.png"
  echo "$out/$1.png"
}

for history in empty learner; do
  if [ "$history" = empty ]; then
    run "$bin/history_bench.exe" --remove-default || true
  else
    run "$bin/history_bench.exe" --make-default 0
  fi
  for lang in ru en; do
    set_language "$lang"
    start_program
    sleep 4
    if [ "$lang" = en ]; then title=Statistics stats=32811; else title="Статистика" stats=32810; fi
    run "$bin/post_command.exe" Lexoria "$stats" || true
    sleep 2
    stats_shot "statistics-$history-$lang" "$title"
    run "$bin/post_command.exe" "$title" 2 || true # Close
    sleep 1
    stop_program "$lang"
  done
done
run "$bin/history_bench.exe" --remove-default || true
