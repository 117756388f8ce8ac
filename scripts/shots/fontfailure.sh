# Scene: the message shown when the chosen font cannot be stored (folders
# named verbsfont.sav stand where the files would go), in both languages.
# Sourced by scripts/screenshots.sh.
find "$WINEPREFIX/drive_c" -iname verbsfont.sav -exec rm -rf {} + 2>/dev/null || true
roaming=$(find "$WINEPREFIX/drive_c/users" -mindepth 3 -maxdepth 3 -ipath '*/AppData/Roaming' | head -1)
blocked=("$WINEPREFIX/drive_c/windows/system32/verbsfont.sav" "$roaming/Tarnik/Verbs/verbsfont.sav")
mkdir -p "${blocked[@]}"
for lang in en ru; do
  set_language "$lang"
  start_program
  sleep 6
  run "$bin/post_command.exe" Lexoria "$([ "$lang" = en ] && echo 32794 || echo 32793)"
  sleep 2
  run "$bin/pick_entry.exe" Font 1139 "Maroon" || true
  run "$bin/pick_entry.exe" Font 1 press || true
  sleep 2
  shot "font-not-saved-$lang"
  xdotool key Return || true
  sleep 1
  stop_program "$lang"
done
rmdir "${blocked[@]}"
