# Scene: a theme picture half uncovered under its tiles, and the theme dialog
# with two themes in both languages (a second theme library, one of the
# tests' own, is put beside the program for the scene and taken away again).
# Sourced by scripts/screenshots.sh, which provides run, shot, set_language,
# start_program, stop_program and $bin.
wine "$bin/picture_show.exe" 5 160 8 >/dev/null 2>&1 &
sleep 4
shot "picture-half"
wait $! || true

cp "$bin/theme_cases/alpine.dll" "$bin/Mountains.dll"
for lang in ru en; do
  set_language "$lang"
  run reg add 'HKCU\Software\Tarnik\Verbs' /v LastLibPict /d Mountains.dll /f
  start_program
  sleep 3
  run "$bin/post_command.exe" Lexoria "$([ "$lang" = en ] && echo 32796 || echo 32795)"
  sleep 1.5
  shot "theme-dialog-$lang"
  xdotool key Escape || true
  sleep 0.5
  stop_program "$lang"
done
rm -f "$bin/Mountains.dll"
run reg add 'HKCU\Software\Tarnik\Verbs' /v LastLibPict /d Pictures.dll /f
