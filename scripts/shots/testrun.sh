# Scene: a test in both languages as a learner sees it: a question with both
# forms and the translation, the correct-answer and wrong-answer boxes, the
# no-attempts box and the correct answer shown after it, and the closing
# display over the fully uncovered picture; the tip and prompt of the Skip
# button under the mouse.
. scripts/drive-test.sh
for lang in ru en; do
  start_id=$([ "$lang" = en ] && echo 32775 || echo 32772)
  set_language "$lang"
  set_option NumWords 3
  set_option MaxAttempt 2
  set_option ShowRightAnswer 1
  set_option MustLimitTime 0
  set_option OnlyOneForm 0
  set_option ShowTranslate 1
  choose_all_verbs
  start_program
  wait_for ' Lexoria$'
  sleep 3
  run "$bin/post_command.exe" Lexoria "$start_id"
  wait_for ' (Infinitive|Инфинитив):$'
  # A question with the past tense typed.
  verb=$(question)
  xdotool type --delay 40 "$(verb_form "$verb" 2)"
  shot "testrun-question-$lang"
  # The mouse on Skip: its tip and status-bar prompt in the interface language.
  read -r x y r b < <(windows | awk '$2 == "ToolbarWindow32" && $3 == 505 { n++ } n == 2 { print $4, $5, $6, $7; exit }')
  xdotool mousemove $(((x + r) / 2)) $(((y + b) / 2))
  sleep 2
  shot "testrun-hover-$lang"
  xdotool mousemove 0 0
  xdotool key Tab
  xdotool type --delay 40 "$(verb_form "$verb" 3)"
  xdotool key Return
  wait_box
  shot "testrun-correct-$lang"
  close_box
  # Two wrong answers use up the attempts; the answer is shown.
  answer wrong
  wait_box
  shot "testrun-wrong-$lang"
  close_box
  answer wrong
  wait_box
  xdotool key Return # the no-attempts box follows at once
  wait_for '^1 Static 1016 .*(No attempts|Попытки)'
  shot "testrun-noattempts-$lang"
  close_box
  sleep 0.3
  shot "testrun-answer-$lang"
  xdotool key Return # Ready: the test ends
  wait_gone ' (Infinitive|Инфинитив):$'
  # A test answered right throughout ends with the whole picture.
  run "$bin/post_command.exe" Lexoria "$start_id"
  for q in 1 2 3; do
    wait_for ' (Infinitive|Инфинитив):$'
    answer
    wait_box
    close_box
  done
  sleep 0.5
  shot "testrun-closing-$lang"
  stop_program "$lang"
done
