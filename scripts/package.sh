#!/usr/bin/env bash
# Makes the Windows packages: for each architecture (both by default) an
# installer and a portable zip, named with the program's version, from an
# optimised, stripped release build. Cross-compiling needs no Wine.
#   scripts/package.sh [x86_64|i686 ...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(x86_64 i686)
out="$PWD/build/packages"
mkdir -p "$out"
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target packages
  cp "build/$preset/packages/"Lexoria-*-{setup.exe,portable.zip} "$out/"
  for f in verbs.exe Pictures.dll; do
    if [ -f "build/$preset/bin/$f" ]; then printf '%-28s %8d bytes\n' "$preset/$f" "$(stat -c %s "build/$preset/bin/$f")"; fi
  done
done
echo "Packages in $out:"
(cd "$out" && for f in Lexoria-*; do printf '  %-36s %8d bytes\n' "$f" "$(stat -c %s "$f")"; done)
