# Scene: the program on screens at 100 %, 150 % and 200 % (96, 144 and 192
# DPI, which Wine reads from HKCU\Control Panel\Desktop\LogPixels when a
# program starts), in both languages, with the default font and with a user
# font of 36 pixels, bold italic: a question of a test, the result box, the
# options dialog and the verbs list. Sourced by scripts/screenshots.sh.
# A screen at 200 % has twice the pixels of one at 100 %: give the virtual
# display room for it.
#   VERBS_SCREEN_SIZE=2560x2048x24 scripts/screenshots.sh scales
#   VERBS_SHOT_DPIS="144" scripts/screenshots.sh scales     one scale
. scripts/drive-test.sh

font_file="$WINEPREFIX/drive_c/windows/system32/verbsfont.sav"
# The font file as the font chooser leaves it: a LOGFONT of 60 bytes (8-bit
# face name) and the colour; here 36 pixels, bold, italic, Cyrillic, navy.
write_big_font() {
  python3 - "$font_file" <<'EOF'
import struct, sys
face = b"Tahoma".ljust(32, b"\0")
logfont = struct.pack("<iiiiiBBBBBBBB", -36, 0, 0, 0, 700, 1, 0, 0, 204, 0, 0, 0, 0) + face
open(sys.argv[1], "wb").write(logfont + struct.pack("<I", 0x00800000))
EOF
}
set_dpi() {
  run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
}

for dpi in ${VERBS_SHOT_DPIS:-96 144 192}; do
  set_dpi "$dpi"
  for font in default big; do
    if [ "$font" = big ]; then write_big_font; else rm -f "$font_file"; fi
    for lang in ru en; do
      name="scale-$dpi-$font-$lang"
      if [ "$lang" = en ]; then
        start_id=32775 stop_id=32781 options_id=32774 list_id=32788
      else
        start_id=32772 stop_id=32773 options_id=32771 list_id=32779
      fi
      set_language "$lang"
      set_option NumWords 3
      set_option MaxAttempt 3
      set_option MustLimitTime 0
      set_option OnlyOneForm 0
      set_option ShowTranslate 1
      choose_all_verbs
      start_program
      wait_for ' Lexoria$'
      sleep 4 # the splash has gone
      run "$bin/post_command.exe" Lexoria "$start_id"
      wait_for ' (Infinitive|Инфинитив):$'
      verb=$(question)
      xdotool type --delay 30 "$(verb_form "$verb" 2)"
      sleep 0.3
      shot "$name-question"
      xdotool key Tab
      xdotool type --delay 30 "$(verb_form "$verb" 3)"
      xdotool key Return
      wait_box
      shot "$name-box"
      close_box
      run "$bin/post_command.exe" Lexoria "$stop_id"
      sleep 0.5
      if [ "$font" = default ]; then
        run "$bin/post_command.exe" Lexoria "$options_id"
        sleep 1.5
        shot "$name-options"
        xdotool key Escape
        sleep 0.5
      fi
      run "$bin/post_command.exe" Lexoria "$list_id"
      sleep 2.5
      shot "$name-verbslist"
      xdotool key Escape
      sleep 0.5
      stop_program "$lang"
    done
  done
done
rm -f "$font_file"
run reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f || true
