#!/usr/bin/env bash
# The game in a Wayland session, under a headless weston: where XWayland is
# offered it runs as an X11 client, centred and silent; where Wayland is
# alone, as a native Wayland client, without a warning.
#
#   wayland.sh TARNEL_EXECUTABLE
set -euo pipefail
tarnel=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; status=1; }
status=0

# Waits up to ten seconds for a command to succeed.
await() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
# weston [--xwayland], headless on 1280 x 1024; then the game for a while,
# its Wayland traffic (WAYLAND_DEBUG) and warnings in $1.err.
session() {
  weston --backend=headless-backend.so --socket=tarnel-wl --width=1280 --height=1024 "$@" \
    > "$work/weston.log" 2>&1 &
  await test -S "$XDG_RUNTIME_DIR/tarnel-wl" || { cat "$work/weston.log"; exit 1; }
}
game() {
  local name=$1
  shift
  env -u QT_QPA_PLATFORM -u DISPLAY "$@" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tarnel-wl \
    WAYLAND_DEBUG=client LANG=C "$tarnel" 2> "$work/$name.err" &
}

session --xwayland
await grep -q 'xserver listening on display' "$work/weston.log"
display=$(grep -o 'listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*')
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
  # mapped window: it puts the frame's corner where the game put the
  # window's, so the window stands lower and to the right by its decoration
  # (a 27-pixel title bar, a 6-pixel border), the tolerance here.
  dx=$((x + w / 2 - 640)) dy=$((y + h / 2 - 512))
  ((dx >= -2 && dx <= 8 && dy >= -2 && dy <= 32)) || fail "not centred (off by $dx,$dy)"
else
  fail "with XWayland the game has no X11 window"
fi
[[ -s $work/xwayland.err ]] && fail "with XWayland it spoke Wayland or warned: $(head -3 "$work/xwayland.err")"
kill $(jobs -p); wait 2>/dev/null || true

session
game wayland
sleep 4
kill -0 $! 2>/dev/null || fail "with Wayland alone the game ended"
grep -q xdg_toplevel "$work/wayland.err" || fail "with Wayland alone it opened no Wayland window"
if grep -v '^\[' "$work/wayland.err" | grep -q .; then
  fail "with Wayland alone it warned: $(grep -v '^\[' "$work/wayland.err" | head -3)"
fi
((status)) || echo "Wayland alone: a native Wayland window, no warning"
exit "$status"
