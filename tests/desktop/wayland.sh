#!/usr/bin/env bash
# The game in a Wayland session, under a headless weston:
# - where XWayland is offered, it runs as an X11 client, its window centred
#   on the screen, with nothing said on the terminal;
# - where only Wayland is there, it runs as a native Wayland client, again
#   without a warning.
#
#   wayland.sh TARNEL_EXECUTABLE
set -euo pipefail
tarnel=$1
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston_pid=
cleanup() {
  [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail=0

# weston [--xwayland]: started headless on 1280 x 1024, once it answers.
start_weston() {
  weston --backend=headless-backend.so --socket=tarnel-wayland --width=1280 --height=1024 \
    --idle-time=0 "$@" > "$work/weston.log" 2>&1 &
  weston_pid=$!
  for _ in $(seq 100); do
    [[ -S $XDG_RUNTIME_DIR/tarnel-wayland ]] && return 0
    sleep 0.1
  done
  echo "weston did not start:"; cat "$work/weston.log"; exit 1
}
stop_weston() {
  kill "$weston_pid"; wait "$weston_pid" 2>/dev/null || true; weston_pid=
}
# Runs the game for a few seconds; $1 names the case; the rest is its
# environment. WAYLAND_DEBUG shows whether it speaks Wayland at all.
run_game() {
  local name=$1
  shift
  env -u QT_QPA_PLATFORM -u DISPLAY "$@" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tarnel-wayland \
    WAYLAND_DEBUG=client \
    LANG=C "$tarnel" 2> "$work/$name.err" &
  game=$!
}

# With XWayland.
start_weston --xwayland
display=
for _ in $(seq 100); do
  display=$(grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*' || true)
  [[ -n $display ]] && break
  sleep 0.1
done
[[ -n $display ]] || { echo "no XWayland display"; cat "$work/weston.log"; exit 1; }
run_game xwayland DISPLAY="$display"
window=
for _ in $(seq 100); do
  window=$(DISPLAY=$display xdotool search --name '^Tarnel$' 2>/dev/null | tail -1 || true)
  [[ -n $window ]] && DISPLAY=$display xwininfo -id "$window" | grep -q 'IsViewable' && break
  window=
  sleep 0.1
done
if [[ -z $window ]]; then
  echo "FAIL: with XWayland, the game has no X11 window"; fail=1
else
  sleep 0.5
  # The window's own area, centred on the screen. weston's X window manager
  # tells no frame before mapping and moves no mapped window; it puts the
  # frame's corner where the game put its window's, so the window stands
  # lower and to the right by its decoration (a 27-pixel title bar, a
  # 6-pixel border): that is the tolerance.
  read -r x y w h < <(DISPLAY=$display xwininfo -id "$window" |
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x, y, w, h}')
  dx=$((x + w / 2 - 640)); dy=$((y + h / 2 - 512))
  echo "with XWayland: an X11 window at $x,$y, ${w}x$h"
  if ((dx < -2 || dx > 8 || dy < -2 || dy > 32)); then
    echo "FAIL: the window is not centred (off by $dx,$dy)"; fail=1
  fi
fi
kill "$game"; wait "$game" 2>/dev/null || true
if [[ -s $work/xwayland.err ]]; then
  echo "FAIL: with XWayland the game spoke Wayland or warned:"; head -5 "$work/xwayland.err"; fail=1
fi
stop_weston

# Wayland alone.
start_weston
run_game wayland
sleep 4
if ! kill -0 "$game" 2>/dev/null; then
  echo "FAIL: with Wayland alone the game ended"; fail=1
fi
kill "$game" 2>/dev/null; wait "$game" 2>/dev/null || true
if ! grep -q 'xdg_toplevel' "$work/wayland.err"; then
  echo "FAIL: with Wayland alone the game opened no Wayland window"; fail=1
fi
if grep -v '^\[' "$work/wayland.err" | grep -q .; then
  echo "FAIL: with Wayland alone the game warned:"; grep -v '^\[' "$work/wayland.err" | head -5; fail=1
else
  echo "Wayland alone: a native Wayland window, no warning"
fi
exit "$fail"
