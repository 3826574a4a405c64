#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the project's own Wine
# prefix, quietly: what CTest runs each test program through.
#   wine.sh PROGRAM.exe [ARGUMENTS...]
#   wine.sh                               (only makes the prefix)
set -euo pipefail
# Programs on a display get a prefix of their own: a Wine server started
# without a display would give every program sharing it a desktop with none.
source "$(dirname "$0")/../cache.sh"
prefix=$tarnel_cache/wine
[[ -n ${DISPLAY:-} ]] && prefix+=-desktop
export WINEPREFIX=${WINEPREFIX:-$prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# A new prefix is made first, detached: Wine's background programs would
# otherwise hold the caller's pipes open.
if [[ ! -e $WINEPREFIX/system.reg ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  setsid wineboot -i < /dev/null > /dev/null 2>&1
fi
# The MinGW runtime (and Qt, when TARNEL_QT_WINDOWS names it) on the
# program's DLL search path, as Windows paths on Wine's Z: drive.
dirs=("$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
  /usr/x86_64-w64-mingw32/lib)
[[ -n ${TARNEL_QT_WINDOWS:-} ]] && dirs+=("$TARNEL_QT_WINDOWS/bin")
WINEPATH=$(printf 'Z:%s;' "${dirs[@]}" | tr / '\\')
export WINEPATH
(($#)) || exit 0
exec wine "$@"
