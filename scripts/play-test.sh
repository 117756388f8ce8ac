#!/usr/bin/env bash
# Plays a whole three-question test on the program with real key presses on
# a virtual display with a window manager (the set-up of the screenshot
# script), one answer wrong at first; exits 0 only when the picture ends
# fully uncovered; then, in both languages, a test with two mistakes, its
# review and the drill of the mistaken verbs to its closing display (the
# mistakes scene). Screenshots go to build/screenshots/play-*.png and
# mistakes-*.png.
#   scripts/play-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/screenshots.sh play mistakes
