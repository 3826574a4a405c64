#!/usr/bin/env bash
# Builds Tarnel for 64-bit Windows and runs its tests under Wine: installs
# what is missing (MinGW-w64, Wine, NSIS, the deb-src entry for Qt's
# source), builds Qt for Windows once (scripts/windows/build_qt.sh, cached
# outside the checkout), then the game, its zip and its installer
# (build/windows/tarnel-VERSION-windows-x64.zip and -setup.exe), and runs
# the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version'; then
  echo "Adding Debian's source archive (deb-src) for Qt's source"
  # From the archives apt uses, in either format of Debian's (or both).
  entries=$(scripts/windows/deb_src.sh /etc/apt/sources.list /etc/apt/sources.list.d/debian.sources)
  [[ -n $entries ]] || { echo "No deb entry in /etc/apt/sources.list or debian.sources" >&2; exit 1; }
  "${sudo[@]}" tee /etc/apt/sources.list.d/tarnel-deb-src.sources <<< "$entries" > /dev/null
  "${sudo[@]}" apt-get update -qq
fi
tarnel_install_missing g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 \
  fonts-wine dpkg-dev zip python3-pefile nsis x11-apps xvfb openbox xdotool

scripts/windows/build_qt.sh # with Qt's progress, the first time
TARNEL_QT_WINDOWS=$(scripts/windows/build_qt.sh | tail -1)
export TARNEL_QT_WINDOWS
# The tests' Wine prefix is made before they run in parallel (the one for
# programs on a display is made by the one test that uses it).
env -u DISPLAY scripts/windows/wine.sh

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
