#!/usr/bin/env bash
# Branch coverage of src/engine and src/players by the headless tests.
#
#   bench/coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset coverage > /dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage > /dev/null
gcovr --root . --filter 'src/engine/' --filter 'src/players/' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --branches --print-summary build/coverage
