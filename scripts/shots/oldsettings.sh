# Scene: the message about an old settings file that cannot be read (a folder
# named Verbs.ini stands in for a file nobody may open), shown at start-up.
# Sourced by scripts/screenshots.sh.
ini="$WINEPREFIX/drive_c/windows/Verbs.ini"
rm -rf "$ini"
mkdir "$ini"
start_program
sleep 5
shot "oldsettings-unreadable"
xdotool key Return || true
sleep 2
stop_program en
rmdir "$ini"
