# Sourced by the Windows scripts: whether this machine runs 32-bit programs, which 32-bit wine (and
# so the i686 test run) needs. Decided by running one: a 96-byte static i386 Linux program that
# only exits with code 42. A kernel without 32-bit support answers "Exec format error". Set
# ORVANE_NO_32BIT=1 to take the no-32-bit path on any machine.
#   orvane_runs_32bit <scratch folder>   # exit 0 when 32-bit programs run here
orvane_runs_32bit() {
  [ "${ORVANE_NO_32BIT:-0}" = 1 ] && return 1
  local probe
  mkdir -p "$1"
  probe="$(mktemp "$1/run32-probe.XXXXXX")"
  # ELF header, one loadable segment at 0x08048000, then: mov ebx, 42; mov eax, 1 (exit); int 0x80.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08'\
'\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00'\
'\x05\x00\x00\x00\x00\x10\x00\x00\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  local rc=0
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  [ "$rc" -eq 42 ]
}
