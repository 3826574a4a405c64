#!/usr/bin/env bash
# Builds Tarnel and starts the game (installs what is missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

cmake --preset dev
cmake --build --preset dev
if [[ -x build/dev/src/ui/tarnel ]]; then
  exec build/dev/src/ui/tarnel "$@"
fi
echo "Tarnel's engine is built and tested headless; the game window is not there yet."
