#!/usr/bin/env bash
# Runs a command on a desktop of its own: an Xvfb server of 1280 x 1024, the
# openbox window manager, a D-Bus session bus and the accessibility bus.
# The command's exit status is the script's.
#
#   session.sh [--no-wm] COMMAND [ARGS...]
set -euo pipefail

with_wm=1
if [[ ${1:-} == --no-wm ]]; then
  with_wm=0
  shift
fi

if [[ -z ${TARNEL_IN_SESSION_BUS:-} ]]; then
  # Everything below runs inside a private session bus, which ends with it.
  export TARNEL_IN_SESSION_BUS=1
  if ((with_wm)); then
    exec dbus-run-session -- "$0" "$@"
  fi
  exec dbus-run-session -- "$0" --no-wm "$@"
fi

# -noreset: the server must not start over whenever its last client leaves
# (the readiness check below is such a client).
displayfile=$(mktemp)
xvfblog=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$displayfile" 2>"$xvfblog" &
xvfb=$!
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  # Waits for the server to be gone: a server still shutting down would
  # remove the socket of the next session's server on the same display.
  wait "${pids[@]}" "$xvfb" 2>/dev/null || true
  rm -f "$displayfile" "$xvfblog"
}
trap cleanup EXIT

for _ in $(seq 100); do
  [[ -s $displayfile ]] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$displayfile")"
export QT_QPA_PLATFORM=xcb
# The server is up once a client can talk to it.
for _ in $(seq 100); do
  xprop -root >/dev/null 2>&1 && break
  sleep 0.1
done
if ! kill -0 "$xvfb" 2>/dev/null || ! xprop -root >/dev/null 2>&1; then
  echo "session.sh: Xvfb did not come up on $DISPLAY:" >&2
  cat "$xvfblog" >&2
  exit 1
fi

# The accessibility bus, and Qt's bridge to it switched on.
if [[ -x /usr/libexec/at-spi-bus-launcher ]]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  pids+=($!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi

# Starts openbox; true once it has claimed the screen, false if it ended.
start_wm() {
  openbox --sm-disable &
  local wm=$!
  pids+=("$wm")
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
if ((with_wm)); then
  started=0
  for _ in 1 2 3; do
    if start_wm; then
      started=1
      break
    fi
  done
  ((started)) || { echo "session.sh: openbox did not start on $DISPLAY" >&2; exit 1; }
fi

status=0
"$@" || status=$?
if ((status != 0)) && ! kill -0 "$xvfb" 2>/dev/null; then
  echo "session.sh: Xvfb on $DISPLAY ended early:" >&2
  cat "$xvfblog" >&2
fi
exit "$status"
