# Scene: the verbs list in both languages with the export of All verbs (the
# save dialog, the question, and the written page rendered by a browser),
# the font chooser, and the list in the chosen font. Sourced by
# scripts/screenshots.sh.
# No font chosen yet (an earlier run may have left its choice behind).
find "$WINEPREFIX/drive_c" -iname verbsfont.sav -delete 2>/dev/null || true
list_command() { [ "$1" = en ] && echo 32788 || echo 32779; }
list_title() { [ "$1" = en ] && echo "Lexoria List" || echo "Список Lexoria"; }
for lang in ru en; do
  set_language "$lang"
  start_program
  sleep 6 # the splash has gone
  run "$bin/post_command.exe" Lexoria "$(list_command "$lang")"
  sleep 2
  shot "verbslist-$lang"
  # Export All verbs: typed without extension, not viewed.
  page="$WINEPREFIX/drive_c/verbs-export-$lang.html"
  rm -f "$page"
  run "$bin/pick_entry.exe" "$(list_title "$lang")" 145 press || true
  sleep 3
  xdotool type --delay 20 "C:\\verbs-export-$lang" || true
  shot "export-save-$lang"
  xdotool key Return || true
  sleep 2
  shot "export-question-$lang"
  xdotool key n || true
  sleep 0.5
  xdotool key Escape || true
  sleep 0.5
  stop_program "$lang"
  if [ -f "$page" ] && command -v chromium >/dev/null; then
    profile=$(mktemp -d)
    chromium --headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
      --disable-sync --no-first-run --user-data-dir="$profile" --window-size=1000,7500 \
      --screenshot="$out/export-page-$lang.png" "file://$page" >/dev/null 2>&1 || true
    rm -rf "$profile"
    echo "$out/export-page-$lang.png"
  fi
done

# The font chooser, filled in as a learner would: a serif face, 12 points,
# italic, maroon; then the list in that font (the panels take it the same way).
set_language en
start_program
sleep 6
run "$bin/post_command.exe" Lexoria 32794
sleep 2
run "$bin/pick_entry.exe" Font 1136 "DejaVu Serif" || true
run "$bin/pick_entry.exe" Font 1137 "Italic" || true
run "$bin/pick_entry.exe" Font 1138 "12" || true
run "$bin/pick_entry.exe" Font 1139 "Maroon" || true
sleep 1
shot "font-chooser-en"
run "$bin/pick_entry.exe" Font 1 press || true
sleep 1
run "$bin/post_command.exe" Lexoria 32788
sleep 2
shot "verbslist-font-en"
xdotool key Escape || true
sleep 0.5
stop_program en
