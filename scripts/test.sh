#!/usr/bin/env bash
# Builds the program and every test for 32-bit Windows and runs the tests
# under Wine on a private virtual display. Installs what is missing first.
#   scripts/test.sh [i686|x86_64]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-i686}
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
