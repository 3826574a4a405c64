#!/usr/bin/env bash
# The game under a headless weston: with XWayland offered it runs as an X11
# client, centred and silent; with Wayland alone as a native Wayland client,
# without a warning.   wayland.sh TARNEL_EXECUTABLE
set -euo pipefail
tarnel=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
# Up to 30 s: a build under AddressSanitizer beside other tests starts slowly.
await() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
# weston [ARGS]; game NAME [VARIABLE=VALUE]: its Wayland traffic and
# warnings go to NAME.err.
session() {
  weston --backend=headless-backend.so --socket=wl --width=1280 --height=1024 "$@" > "$work/log" 2>&1 &
  await test -S "$work/wl" || { cat "$work/log"; exit 1; }
}
game() {
  env -u QT_QPA_PLATFORM -u DISPLAY "${@:2}" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wl \
    WAYLAND_DEBUG=client LANG=C "$tarnel" 2> "$work/$1.err" &
}

session --xwayland
await grep -q 'xserver listening on display' "$work/log"
display=$(grep -o 'listening on display :[0-9]*' "$work/log" | grep -o ':[0-9]*')
game xwayland DISPLAY="$display"
viewable() {
  window=$(DISPLAY=$display xdotool search --name '^Tarnel$' 2>/dev/null | tail -1) &&
    DISPLAY=$display xwininfo -id "$window" | grep -q IsViewable
}
if await viewable; then
  sleep 0.5
  read -r x y w h < <(DISPLAY=$display xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$4}
    /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}')
  echo "with XWayland: an X11 window at $x,$y, ${w}x$h"
  # weston's X window manager tells no frame before mapping and moves no
  # mapped window; it puts the frame's corner where the game put the
  # window's: the decoration (27-pixel title, 6-pixel border) is the tolerance.
  dx=$((x + w / 2 - 640)) dy=$((y + h / 2 - 512))
  ((dx >= -2 && dx <= 8 && dy >= -2 && dy <= 32)) || fail "not centred (off by $dx,$dy)"
else
  fail "with XWayland the game has no X11 window"
fi
[[ -s $work/xwayland.err ]] && fail "with XWayland it spoke Wayland or warned"
kill $(jobs -p); wait 2>/dev/null || true

session
game wayland
# An X display that does not answer: the compositor is used instead.
game deaddisplay DISPLAY=:77
for run in wayland deaddisplay; do
  await grep -q xdg_toplevel "$work/$run.err" || fail "$run: no Wayland window"
done
kill -0 %2 %3 2>/dev/null || fail "a game on Wayland ended"
grep -v '^\[' "$work/wayland.err" | grep . && fail "with Wayland alone it warned"
((status)) || echo "Wayland alone, and beside an X display that does not answer: native Wayland windows"
exit "$status"
