#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix, on a desktop (run by
# tests/desktop/session.sh), once into the person's own programs folder and
# once into a folder of their choosing, with spaces and a non-ASCII letter:
# a silent install puts the game there with a Start menu entry, from which
# it starts, and an entry in Apps & features. While the game runs, a silent
# install and Apps & features' silent uninstall end with a non-zero exit
# code and change nothing; once it is closed, the uninstall leaves no file,
# folder or registry key the installer made.
#   installer.sh SETUP_EXE
set -uo pipefail
setup=$(realpath "$1")
export LC_ALL=C.UTF-8 # the folder's name, on Wine's command lines
source "$(dirname "$0")/../support/wine_desktop.sh"
keys='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v Public | head -1)
home="$WINEPREFIX/drive_c/users/$user"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarnel.lnk"
# Wine's reg writes in the console's code page, 437 in this locale.
registry() { wine reg query "$1" 2> /dev/null | iconv -f CP437 | tr -d '\r'; }
game_ended() { ! pgrep -f 'tarnel[.]exe' > /dev/null; }
quietly() { "$@" < /dev/null > /dev/null 2>&1; }
installed() { find "$made" | sort && registry "$keys\\Tarnel"; }
# Runs Apps & features' QuietUninstallString as Windows would: word by word
# after the quoted program (NSIS reads "_?=" to the end of the line).
uninstall() {
  local program=${quiet#\"} words
  read -ra words <<< "${quiet#\"*\" }"
  quietly wine "${program%%\"*}" "${words[@]}"
}
before=$(registry "$keys")

# A row: the folder the installer makes, the game's folder in it, and the
# installer's /D= naming that.
for row in "$home/AppData/Local/Programs|Tarnel|" \
  "$WINEPREFIX/drive_c/Spiele für zwei|Brettspiel Tarnel|/D=C:\\Spiele für zwei\\Brettspiel Tarnel"; do
  IFS='|' read -r made game folder <<< "$row"
  game=$made/$game
  read -ra folder <<< "$folder"
  quietly wine "$setup" /S "${folder[@]}"
  wineserver -w
  [[ -f $game/tarnel.exe && -f $game/platforms/qwindows.dll ]] || fail "not installed in $game"
  [[ -f $menu ]] || fail "no Start menu entry"
  entry=$(registry "$keys\\Tarnel")
  for value in "DisplayName.*Tarnel" "DisplayVersion.*[0-9]" "DisplayIcon.*tarnel.exe" \
    "UninstallString.*uninstall.exe"; do
    grep -qE "$value" <<< "$entry" || fail "Apps & features lacks $value"
  done
  quiet=$(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' <<< "$entry")

  quietly wine start /unix "$menu"
  if await main_window > /dev/null; then
    files=$(installed)
    quietly wine "$setup" /S "${folder[@]}" && fail "installing over the running game succeeded"
    uninstall && fail "uninstalling the running game succeeded"
    [[ $(installed) == "$files" ]] || fail "files or Apps & features' entry changed meanwhile"
    click_last_row "$(main_window)"
    xdotool sleep 0.5 key --clearmodifiers ctrl+x # Exit
    await game_ended || fail "Exit did not end the game"
  else
    fail "the Start menu entry did not start the game"
  fi
  wineserver -k # the desktop's own programs, which a display keeps running

  uninstall || fail "the uninstall failed"
  wineserver -w # also waits for the copy of itself the uninstaller runs on
  [[ -e $made || -e $menu ]] && fail "left behind: $(find "$made" "$menu" 2> /dev/null | head -5)"
  [[ $(registry "$keys") == "$before" ]] || fail "$keys is not as before the install"
done
((status)) || echo "installed twice, started, kept while running, uninstalled without a trace"
exit "$status"
