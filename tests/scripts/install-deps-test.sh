#!/usr/bin/env bash
# Checks the optional 32-bit Wine step of scripts/install-deps.sh on a machine
# whose kernel runs 32-bit programs, where every other package is there and
# 32-bit Wine cannot be installed: the script says why on one line and ends
# well, so that the test and run scripts go on with the 64-bit build. apt,
# dpkg, sudo and id are stand-ins that answer the way such a machine would.
set -uo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
fails=0
check() { # description, expected, actual
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: expected '$2', got '$3'"; fails=$((fails + 1)); fi
}

fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
mkdir -p "$fake/scripts" "$fake/bin"
cp "$here/install-deps.sh" "$fake/scripts/"
echo 'verbs_kernel_runs_32bit() { true; }' > "$fake/scripts/kernel-32bit.sh"
stub() { printf '#!/bin/sh\n%s\n' "$2" > "$fake/bin/$1"; chmod +x "$fake/bin/$1"; }
stub dpkg-query 'case "$*" in *wine32*) exit 1 ;; *) printf "install ok installed" ;; esac'
stub apt-get 'case "$*" in *" install "*) echo "E: Unable to locate package wine32:i386" >&2 ;; esac; exit 100'

# One case a line: who runs the script | what sudo does | what dpkg
# --add-architecture does | the reason the line must give.
while IFS='|' read -r uid sudo add_arch reason; do
  stub id "echo $uid"
  stub sudo "$sudo"
  stub dpkg "case \"\$1\" in --print-foreign-architectures) ;; --add-architecture) $add_arch ;; esac"
  out=$(env -u VERBS_NO_32BIT -u VERBS_NO_WINE32 PATH="$fake/bin:$PATH" "$fake/scripts/install-deps.sh" 2>&1 >/dev/null)
  rc=$?
  check "uid $uid, $sudo: the script ends well" "0" "$rc"
  check "uid $uid, $sudo: one line says why" \
    "32-bit Wine could not be installed ($reason); the 64-bit build is used." \
    "$(grep '32-bit Wine could not' <<< "$out")"
done <<'CASES'
0|exit 127|exit 0|E: Unable to locate package wine32:i386
1000|exec "$@"|exit 0|E: Unable to locate package wine32:i386
1000|echo "sudo: a password is required" >&2; exit 1|echo "dpkg: error: requested operation requires superuser privilege" >&2; exit 2|sudo: a password is required
CASES

[ "$fails" = 0 ] && echo "all install-deps checks passed" || { echo "$fails install-deps check(s) failed"; exit 1; }
