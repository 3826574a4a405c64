#!/usr/bin/env bash
# The portable zip: every DLL in it is imported by something in it, and
# everything imported is in it or is Windows' own. Unpacked in a fresh Wine
# prefix with no search path, on a desktop (run by tests/desktop/session.sh):
# the splash, then the main window centred, a click answered by the
# computer, and Exit ends the program with status 0.
#   portable.sh ZIP
set -uo pipefail
zip=$(realpath "$1")
source "$(dirname "$0")/../support/wine_desktop.sh"
unzip -q "$zip" -d "$work"
game=$work/tarnel
system=$WINEPREFIX/drive_c/windows/system32

declare -A imported=()
while read -r pe; do
  while read -r dll; do
    imported[${dll,,}]=1
    [[ ${dll,,} == api-ms-win-* || ${dll,,} == ext-ms-* ]] && continue # Windows' API sets
    [[ -e $game/$dll || -e $system/${dll,,} || -e $system/$dll ]] || fail "$pe imports $dll, which is missing"
  done < <(x86_64-w64-mingw32-objdump -p "$pe" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$game" -name '*.exe' -o -name '*.dll')
for dll in "$game"/*.dll; do
  name=$(basename "$dll")
  [[ -n ${imported[${name,,}]:-} ]] || fail "$name is in the zip but nothing imports it"
done

# Red pixels on the screen (#CC0000): red's indicator and red's cells.
red() {
  xwd -root -silent | python3 -c 'import struct, sys
data = sys.stdin.buffer.read()
start = struct.unpack(">I", data[0:4])[0] + 12 * struct.unpack(">I", data[76:80])[0]
print(data[start:].count(b"\x00\x00\xcc"))'
}
red_above() {
  local count
  count=$(red 2> /dev/null)
  ((${count:-0} > $1))
}
cd "$game"
wine tarnel.exe < /dev/null > "$work/out" 2>&1 &
app=$!
await main_window > /dev/null || fail "no main window"
window=$(main_window)
read -r x y w h < <(inside "$window")
# Its frame, as the window manager drew it, centred on the screen.
IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
screen=$(xdpyinfo | awk '/dimensions:/{print $2}')
dx=$((x - left + (left + w + right) / 2 - ${screen%x*} / 2))
dy=$((y - top + (top + h + bottom) / 2 - ${screen#*x} / 2))
((dx >= -4 && dx <= 4 && dy >= -4 && dy <= 4)) || fail "not centred (its frame off by $dx,$dy)"
# Red to move: its indicator shows. Red takes a cell; once the computer's
# yellow has answered, red's indicator shows again beside red's cell.
await red_above 0 || fail "the window is not drawn"
indicator=$(red)
click_last_row "$window"
await red_above $((indicator + 500)) || fail "the computer did not answer"
xdotool key --clearmodifiers ctrl+x # Exit
await bash -c "! kill -0 $app 2>/dev/null" || { fail "Exit did not end it"; kill "$app"; }
wait "$app"
code=$?
((code == 0)) || fail "Exit ended it with status $code"
((status)) || echo "the zip holds what it needs; the game opens centred, answers a click and exits 0"
exit "$status"
