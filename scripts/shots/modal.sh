# Scene: a question about can with both forms asked, in both languages: the
# participle's field shows a dash and takes no answer.
. scripts/drive-test.sh
for lang in ru en; do
  start_id=$([ "$lang" = en ] && echo 32775 || echo 32772)
  set_language "$lang"
  set_option NumWords 1
  set_option OnlyOneForm 0
  set_option MustLimitTime 0
  run reg add 'HKCU\Software\Tarnik\Verbs\Groups' /ve /d '' /f
  run reg add 'HKCU\Software\Tarnik\Verbs\Groups' /v Chosen /d '40;-1' /f
  start_program
  wait_for ' Lexoria$'
  sleep 3
  run "$bin/post_command.exe" Lexoria "$start_id"
  wait_for ' (Infinitive|Инфинитив):$'
  xdotool type --delay 40 could
  sleep 0.3
  shot "modal-can-$lang"
  stop_program "$lang"
done
