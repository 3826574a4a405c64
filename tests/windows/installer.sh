#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix: a silent install puts the game
# in the person's own programs folder with a Start menu entry and an entry in
# Apps & features; a silent uninstall leaves no file and no key behind.
#   installer.sh SETUP_EXE
set -uo pipefail
setup=$(realpath "$1")
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
setsid wineboot -i < /dev/null > /dev/null 2>&1
status=0
fail() { echo "FAIL: $*"; status=1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnel'
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v Public | head -1)
home="$WINEPREFIX/drive_c/users/$user"
game="$home/AppData/Local/Programs/Tarnel"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarnel.lnk"

wine "$setup" /S < /dev/null > /dev/null 2>&1
wineserver -w
[[ -f $game/tarnel.exe && -f $game/platforms/qwindows.dll ]] || fail "the game is not installed"
[[ -f $menu ]] || fail "no Start menu entry"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName.*Tarnel" "DisplayVersion.*[0-9]" "DisplayIcon.*tarnel.exe" \
  "UninstallString.*uninstall.exe"; do
  grep -qE "$value" <<< "$entry" || fail "Apps & features lacks $value"
done

wine "$game/uninstall.exe" /S < /dev/null > /dev/null 2>&1
wineserver -w # also waits for the copy of itself the uninstaller runs on
[[ -e $game || -e $menu ]] && fail "left behind: $(ls -R "$game" 2>/dev/null | head -5) $menu"
wine reg query "$key" > /dev/null 2>&1 && fail "the Apps & features entry stays"
((status)) || echo "installed, listed and uninstalled without a trace"
exit "$status"
