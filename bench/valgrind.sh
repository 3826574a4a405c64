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
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 \
  --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite \
  "$build/bench/tarnel_uibench" session "$games" 2>&1 |
  grep -E '^==[0-9]+==( ERROR SUMMARY|    definitely lost| Invalid|    at |    by )' || true
# The exit status is valgrind's own.
exit "${PIPESTATUS[0]}"
