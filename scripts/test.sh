#!/usr/bin/env bash
# Builds Tarnel and runs the whole test suite (installs what is missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

# CI holds warnings as errors (the ci preset: dev with TARNEL_WERROR on).
if [[ -n "${CI:-}" ]]; then
  cmake --preset ci
else
  cmake --preset dev -DTARNEL_WERROR=OFF
fi
cmake --build --preset dev
ctest --preset dev
