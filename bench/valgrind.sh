#!/usr/bin/env bash
# A short Computer vs Computer session of the real main window under
# valgrind's memcheck, on the offscreen platform: no invalid read or write,
# no definite leak.
#
#   bench/valgrind.sh [BUILD_DIR] [GAMES]      (default build/release, 3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
games=${2:-3}
# Without PCRE2's just-in-time code for Qt's regular expressions: memcheck
# cannot follow it and reports its branches as depending on uninitialised
# values.
status=0
QT_QPA_PLATFORM=offscreen QT_ENABLE_REGEXP_JIT=0 valgrind --tool=memcheck --error-exitcode=1 \
  --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite \
  "$build/bench/tarnel_uibench" session "$games" > "${TMPDIR:-/tmp}/tarnel-memcheck.$$" 2>&1 || status=$?
grep -E '^==[0-9]+==( ERROR SUMMARY|    definitely lost| (Invalid|Conditional|Use of|Syscall|Mismatched)|    at |    by )' \
  "${TMPDIR:-/tmp}/tarnel-memcheck.$$" || true
rm -f "${TMPDIR:-/tmp}/tarnel-memcheck.$$"
# The exit status is valgrind's own.
exit "$status"
