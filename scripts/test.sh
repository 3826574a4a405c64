#!/usr/bin/env bash
# Builds Tarnel and runs the whole test suite (installs what is missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

werror=OFF
if [[ -n "${CI:-}" ]]; then
  werror=ON
fi
cmake --preset dev -DTARNEL_WERROR="$werror"
cmake --build --preset dev
ctest --preset dev
