#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix, on a desktop (run by
# tests/desktop/session.sh), into the person's own programs folder, into a
# folder of their choosing (with spaces and a non-ASCII letter; one that was
# there before, empty), and over a copy in another folder: a silent install
# puts the game there with a Start menu entry, from which it starts, and one
# entry in Apps & features, naming that folder. While the game runs, a silent
# install and a silent uninstall end with exit code 2 and change nothing;
# once it is closed, the uninstall ends with 0 when, and only when, no file,
# folder or registry key the installer made is left, nor anything in %TEMP%.
#   installer.sh SETUP_EXE
set -uo pipefail
setup=$(realpath "$1")
export LC_ALL=C.UTF-8 # the folder's name, on Wine's command lines
source "$(dirname "$0")/../support/wine_desktop.sh"
keys='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
drive=$WINEPREFIX/drive_c
user=$(ls "$drive/users" | grep -v Public | head -1)
home="$drive/users/$user"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarnel.lnk"
# Wine's reg writes in the console's code page, 437 in this locale.
registry() { wine reg query "$1" 2> /dev/null | iconv -f CP437 | tr -d '\r'; }
value() { sed -n "s/^ *$1 *REG_SZ *//p" <<< "$entry"; }
unix() { winepath -u "$1" 2> /dev/null; }
game_ended() { ! pgrep -f 'tarnel[.]exe' > /dev/null; }
quietly() { "$@" < /dev/null > /dev/null 2>&1; }
installed() { find "$made" | sort && registry "$keys\\Tarnel"; }
# Runs the uninstaller silently in the row's form: Apps & features'
# QuietUninstallString as Windows would (word by word after the quoted
# program), or "uninstall.exe /S" in the game's folder.
uninstall() {
  local program=${quiet#\"} words
  read -ra words <<< "${quiet#\"*\" }"
  [[ $form == plain ]] && program="$(value InstallLocation)\\uninstall.exe" words=(/S)
  quietly wine "${program%%\"*}" "${words[@]}"
}
before=$(registry "$keys")
temp=$(unix "$(wine cmd /c echo %TEMP% 2> /dev/null | tr -d '\r')")
temp_before=$(ls -A "$temp")

# A row: what was there before (an install into another folder, then a
# second one without /D=, which goes to the same; or the chosen folder,
# empty), the folder the installer makes, the game's folder in it, the
# installer's /D= naming that, and the uninstaller's form.
for row in "|$home/AppData/Local/Programs|Tarnel||quiet" \
  "|$drive/Spiele für zwei|Brettspiel Tarnel|/D=C:\\Spiele für zwei\\Brettspiel Tarnel|quiet" \
  "C:\\Games\\Tarnel|$drive/Spiele|Tarnel|/D=C:\\Spiele\\Tarnel|plain" \
  "empty|$drive/Chosen|.|/D=C:\\Chosen|plain"; do
  IFS='|' read -r first made game folder form <<< "$row"
  game=$made/$game
  read -ra folder <<< "$folder"
  [[ $first == empty ]] && mkdir "$made"
  if [[ $first == C:* ]]; then
    quietly wine "$setup" /S "/D=$first"
    quietly wine "$setup" /S
    [[ -f $(unix "$first")/tarnel.exe && ! -e $home/AppData/Local/Programs ]] ||
      fail "a second install without /D= did not go to $first"
  fi
  quietly wine "$setup" /S "${folder[@]}"
  wineserver -w
  [[ -f $game/tarnel.exe && -f $game/platforms/qwindows.dll ]] || fail "not installed in $game"
  [[ $first == C:* && -e $(unix "${first%\\*}") ]] && fail "the copy in $first is still there"
  [[ -f $menu ]] || fail "no Start menu entry"
  entry=$(registry "$keys\\Tarnel")
  for value in "DisplayName.*Tarnel" "DisplayVersion.*[0-9]" "DisplayIcon.*tarnel.exe" \
    "UninstallString.*uninstall.exe"; do
    grep -qE "$value" <<< "$entry" || fail "Apps & features lacks $value"
  done
  [[ $(unix "$(value InstallLocation)") -ef $game ]] || fail "Apps & features names $(value InstallLocation)"
  quiet=$(value QuietUninstallString)

  quietly wine start /unix "$menu"
  if await main_window > /dev/null; then
    files=$(installed)
    quietly wine "$setup" /S "${folder[@]}"
    (($? == 2)) || fail "installing over the running game did not end with exit code 2"
    uninstall
    (($? == 2)) || fail "uninstalling the running game ($form) did not end with exit code 2"
    [[ $(installed) == "$files" ]] || fail "files or Apps & features' entry changed meanwhile"
    click_last_row "$(main_window)"
    xdotool sleep 0.5 key --clearmodifiers ctrl+x # Exit
    await game_ended || fail "Exit did not end the game"
  else
    fail "the Start menu entry did not start the game"
  fi
  wineserver -k # the desktop's own programs, which a display keeps running

  # Done when it returns.
  uninstall || fail "the uninstall ($form) failed"
  left=$(find "$made" "$menu" 2> /dev/null | head -5)
  if [[ $first == empty ]]; then
    [[ -d $made ]] || fail "removed $made, which was there before"
    left=${left#"$made"}
  fi
  [[ -n $left ]] && fail "left behind: $left"
  [[ $(registry "$keys") == "$before" ]] || fail "$keys is not as before the install"
  wineserver -w
  [[ $(ls -A "$temp") == "$temp_before" ]] || fail "left in %TEMP%: $(ls -A "$temp")"
done
((status)) || echo "installed four times, started, kept while running, uninstalled without a trace"
exit "$status"
