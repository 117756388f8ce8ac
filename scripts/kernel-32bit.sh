# Whether this machine's kernel runs 32-bit x86 programs; sourced by
# install-deps.sh (to skip 32-bit Wine where it could never run) and by
# wine-select.sh (to say why a machine gets the 64-bit build only).
#
# The probe is a 96-byte static 32-bit program that only exits with code 42
# (mov eax,1; mov ebx,42; int 0x80): it needs no 32-bit library, so it tells
# the kernel's answer before anything 32-bit is installed. Kernels without
# 32-bit support refuse it with "Exec format error".
verbs_kernel_runs_32bit() {
  local probe rc
  probe=$(mktemp "${TMPDIR:-/tmp}/verbs-probe32.XXXXXX") || return 1
  echo 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhgAAAAYAAAAAUAAAAAEAAAuAEAAAC7KgAAAM2A' \
    | base64 -d > "$probe" && chmod +x "$probe"
  rc=0
  "$probe" </dev/null >/dev/null 2>&1 || rc=$?
  rm -f "$probe"
  [ "$rc" = 42 ]
}
