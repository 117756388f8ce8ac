#!/usr/bin/env bash
# Fuzzes the parsers of outside data for longer than the test run does: every
# target of the fuzzing program (tests/fuzz) for the given seconds each, under
# Wine in a private environment. Prints the inputs tried and the crashes,
# hangs and wrong results found per target; each finding is saved, with the
# seed and iteration that make it again, in build/<preset>/fuzz-findings.
#   scripts/fuzz.sh [seconds per target (60)] [seed (1)]
# VERBS_FUZZ_PRESET chooses the build (the best one this machine runs).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
seed=${2:-1}
[[ $seconds =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "usage: $0 [seconds per target] [seed]" >&2; exit 2; }
[[ $seed =~ ^[0-9]+$ ]] || { echo "usage: $0 [seconds per target] [seed]" >&2; exit 2; }
scripts/install-deps.sh
. scripts/wine-select.sh
preset=${VERBS_FUZZ_PRESET:-${VERBS_RUNNABLE%% *}}
verbs_can_run_preset "$preset" || { echo "The $preset build cannot run here: $(verbs_arch_reason)." >&2; exit 2; }

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target fuzz_parsers
build="$PWD/build/$preset"
env_dir="$build/fuzz-wine"
scripts/wine-env.sh start "$env_dir" >/dev/null
trap 'scripts/wine-env.sh stop "$env_dir" >/dev/null 2>&1 || true' EXIT
export WINEPREFIX="$env_dir/prefix" DISPLAY="$(cat "$env_dir/display")" WINEDEBUG=-all
# A crash ends the worker at once instead of waiting in Wine's debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

echo "Fuzzing the $preset build, $seconds s per target, seed $seed"
# Through a file: Wine's helper processes keep a pipe open after the program.
log="$env_dir/fuzz.log"
verbs_wine "$build/bin/fuzz_parsers.exe" --seconds "$seconds" --seed "$seed" \
  --out "$build/fuzz-findings" > "$log" 2>&1 < /dev/null &
fuzzer=$!
tail -n +1 -f --pid=$fuzzer "$log"
wait $fuzzer
