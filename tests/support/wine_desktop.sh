# Sourced by the tests of what a Windows player downloads: a fresh Wine
# prefix with no search path, made now and removed with the script ($work
# is its folder); fail and await; and the game's main window on the desktop.
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
setsid wineboot -i < /dev/null > /dev/null 2>&1
status=0
fail() { echo "FAIL: $*"; status=1; }
await() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
# The shown main window: the splash before it has the same title, but less height.
main_window() {
  local window
  for window in $(xdotool search --onlyvisible --name '^Tarnel$'); do
    xwininfo -id "$window" | awk '/Height:/{exit !($2 > 300)}' && echo "$window" && return 0
  done
  return 1
}
# "x y width height" of a window's inside.
inside() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}'
}
# Clicks the first cell of the board's last row: red's move, and the keyboard.
click_last_row() {
  local x y w h
  read -r x y w h < <(inside "$1")
  xdotool mousemove $((x + 17)) $((y + h - 26 - 17)) click 1
}
