# Scene: the main window, the splash over it and the about box, in both languages.
# Sourced by scripts/screenshots.sh, which provides run, shot, set_language,
# start_program, stop_program and $bin.
for lang in ru en; do
  set_language "$lang"
  start_program
  sleep 1
  shot "splash-$lang"
  sleep 3
  shot "main-$lang"
  about=$([ "$lang" = en ] && echo 57666 || echo 57664)
  run "$bin/post_command.exe" Lexoria "$about"
  sleep 1.5
  shot "about-$lang"
  xdotool key Return || true
  sleep 0.5
  stop_program "$lang"
done
