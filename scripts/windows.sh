#!/usr/bin/env bash
# Builds Tarnel for 64-bit Windows and runs its tests under Wine: installs
# what is missing (MinGW-w64, Wine, NSIS; Qt's source, scripts/qt/source.sh),
# builds Qt for Windows once (scripts/qt/build.sh, cached outside
# the checkout), then the game, its zip and its installer
# (build/windows/tarnel-VERSION-windows-x64.zip and -setup.exe), and runs
# the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tarnel_install_missing "${TARNEL_WINDOWS_PACKAGES[@]}"

scripts/qt/build.sh windows # with Qt's progress, the first time
TARNEL_QT_WINDOWS=$(scripts/qt/build.sh windows | tail -1)
export TARNEL_QT_WINDOWS
source scripts/cache.sh
tarnel_forget_other_qt build/windows "$TARNEL_QT_WINDOWS"
# The tests' Wine prefix is made before they run in parallel (the one for
# programs on a display is made by the one test that uses it).
env -u DISPLAY scripts/windows/wine.sh

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
