#!/usr/bin/env bash
# Builds the program and every test and runs the tests under Wine on a
# private virtual display, installing what is missing first. With no argument
# it tests every architecture whose programs run on this machine: i686 and
# x86_64 where the kernel runs 32-bit programs, x86_64 otherwise.
#   scripts/test.sh [i686|x86_64 ...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
. scripts/wine-select.sh

if [ $# -gt 0 ]; then presets=("$@"); else read -r -a presets <<< "$VERBS_RUNNABLE"; fi
for preset in "${presets[@]}"; do
  if ! verbs_can_run_preset "$preset"; then
    echo "The $preset build cannot be tested here: $(verbs_arch_reason)." >&2
    exit 2
  fi
done
echo "Testing the ${presets[*]} build(s): $(verbs_arch_reason)."

failed=()
for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || failed+=("$preset")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Tests failed in the ${failed[*]} build(s)." >&2
  exit 1
fi
echo "All tests passed in the ${presets[*]} build(s)."
