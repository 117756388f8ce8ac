# Scene: a whole three-question test played with real key presses in English:
# the menu's Start, typing, Tab, Enter, one wrong answer, every box closed
# with Enter, the closing text. Fails (and so does scripts/play-test.sh)
# unless the picture ends fully uncovered.
. scripts/drive-test.sh
set_language en
set_option NumWords 3
set_option MaxAttempt 3
set_option MustLimitTime 0
set_option OnlyOneForm 0
set_option ShowTranslate 1
choose_all_verbs
start_program
wait_for ' Lexoria$'
sleep 3 # the splash goes
xdotool key alt+t
sleep 0.3
xdotool key s
wait_for ' (Infinitive):$'
played_ok=1
for q in 1 2 3; do
  if [ $q = 2 ]; then
    answer wrong
    wait_box
    [ "$(box_text)" = '\nUncorrect answer' ] || { echo "wrong-answer box says: $(box_text)" >&2; played_ok=0; }
    shot play-wrong
    close_box
  fi
  answer
  wait_box
  [ "$(box_text)" = '\nWell done!' ] || { echo "box says: $(box_text)" >&2; played_ok=0; }
  close_box
  if [ $q = 1 ]; then
    # The count of the tiles is trusted only if it sees the 214 left after
    # the first of three correct answers.
    sleep 0.3
    shot play-first
    covered=$(covered_cells "$out/play-first.png")
    echo "  covered cells after the first answer: $covered"
    [ "$covered" = 214 ] || played_ok=0
  fi
done
wait_for 'The test is finished!'
sleep 0.5
shot play-closing
covered=$(covered_cells "$out/play-closing.png")
echo "  covered cells at the end: $covered"
# No tiles could also be a blank screen or a window over the picture.
same_picture "$out/play-first.png" "$out/play-closing.png" "$(picture_place "$out/play-first.png")" || played_ok=0
xdotool key Return # the closing display: Enter ends the test
wait_gone ' (Infinitive|Past Tense):$|The test is finished' || played_ok=0
xdotool key alt+t
sleep 0.3
xdotool key x
wait_program_end || played_ok=0
if [ "$played_ok" != 1 ] || [ "$covered" != 0 ]; then
  echo "play: FAILED (covered cells: $covered)" >&2
  exit 1
fi
echo "play: the picture is fully uncovered"
