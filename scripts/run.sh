#!/usr/bin/env bash
# Builds Tarnel and starts the game (installs what is missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

cmake --preset dev
cmake --build --preset dev
exec build/dev/src/ui/tarnel "$@"
