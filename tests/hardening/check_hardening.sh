#!/usr/bin/env bash
# Checks that an executable was built hardened: position-independent, full
# RELRO (relocations read-only and bound at load), stack protector, and
# compiled with _FORTIFY_SOURCE.
#
#   check_hardening.sh EXECUTABLE COMPILE_COMMANDS_JSON
set -euo pipefail
exe=$1
commands=$2
fail=0
check() {
  local what=$1
  shift
  if "$@" > /dev/null 2>&1; then
    echo "ok    $what"
  else
    echo "FAIL  $what"
    fail=1
  fi
}
check "position-independent executable" grep -q 'Type:.*DYN' <(readelf -h "$exe")
check "GNU_RELRO segment" grep -q 'GNU_RELRO' <(readelf -l "$exe")
check "bound at load (BIND_NOW)" grep -Eq 'BIND_NOW|FLAGS.*NOW' <(readelf -d "$exe")
check "stack protector in use" grep -q '__stack_chk_fail' <(readelf --dyn-syms -W "$exe")
# Every translation unit of our own was compiled with the hardening flags.
units=$(grep -c '"file":' "$commands")
fortified=$(grep -c -- '-D_FORTIFY_SOURCE=2' "$commands")
protected=$(grep -c -- '-fstack-protector-strong' "$commands")
check "_FORTIFY_SOURCE=2 on all $units units" test "$fortified" -eq "$units"
check "-fstack-protector-strong on all $units units" test "$protected" -eq "$units"
check "optimised (fortify needs it)" grep -q -- '-O[123s]' "$commands"
exit "$fail"
