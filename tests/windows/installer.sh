#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix, on a desktop (run by
# tests/desktop/session.sh): a silent install puts the game in the person's
# own programs folder with a Start menu entry, from which it starts, and an
# entry in Apps & features; a silent uninstall leaves no file and no key
# behind.
#   installer.sh SETUP_EXE
set -uo pipefail
setup=$(realpath "$1")
source "$(dirname "$0")/../support/wine_desktop.sh"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnel'
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v Public | head -1)
home="$WINEPREFIX/drive_c/users/$user"
game="$home/AppData/Local/Programs/Tarnel"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarnel.lnk"

wine "$setup" /S < /dev/null > /dev/null 2>&1
wineserver -w
[[ -f $game/tarnel.exe && -f $game/platforms/qwindows.dll ]] || fail "the game is not installed"
[[ -f $menu ]] || fail "no Start menu entry"
game_ended() { ! pgrep -f 'tarnel[.]exe' > /dev/null; }
wine start /unix "$menu" < /dev/null > /dev/null 2>&1
if await main_window > /dev/null; then
  click_last_row "$(main_window)"
  xdotool sleep 0.5 key --clearmodifiers ctrl+x # Exit
  await game_ended || fail "Exit did not end the game"
else
  fail "the Start menu entry did not start the game"
fi
wineserver -k # the desktop's own programs, which a display keeps running
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName.*Tarnel" "DisplayVersion.*[0-9]" "DisplayIcon.*tarnel.exe" \
  "UninstallString.*uninstall.exe"; do
  grep -qE "$value" <<< "$entry" || fail "Apps & features lacks $value"
done

wine "$game/uninstall.exe" /S < /dev/null > /dev/null 2>&1
wineserver -w # also waits for the copy of itself the uninstaller runs on
[[ -e $game || -e $menu ]] && fail "left behind: $(ls -R "$game" 2>/dev/null | head -5) $menu"
wine reg query "$key" > /dev/null 2>&1 && fail "the Apps & features entry stays"
((status)) || echo "installed, started from the Start menu, listed and uninstalled without a trace"
exit "$status"
