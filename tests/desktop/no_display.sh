#!/usr/bin/env bash
# Without a display to open, the game says in one line which one it could
# not open and ends with status 1, never with a core dump: no display, a
# window system with no screen, a display that never answers.
#   no_display.sh TARNEL_EXECUTABLE
set -uo pipefail
work=$(mktemp -d)
# An X display that takes the connection and never answers: the first free
# one from ":128" on.
python3 -c 'import socket, time
s = socket.socket(socket.AF_UNIX)
for n in range(128, 256):
    try: s.bind("\0/tmp/.X11-unix/X%d" % n); break
    except OSError: pass
s.listen(8); print(n, flush=True); time.sleep(600)' >"$work/silent" &
listener=$!
trap 'kill "$listener"; rm -rf "$work"' EXIT
until [[ -s $work/silent ]] || ! kill -0 "$listener"; do sleep 0.1; done
silent=$(<"$work/silent")
status=0
# What is set besides an empty environment | what the line must name.
for row in "|an X display (DISPLAY is not set)" "DISPLAY=:77|the X display \":77\"" \
  "WAYLAND_DISPLAY=nosuch|the Wayland display \"nosuch\"" \
  "DISPLAY=:77 WAYLAND_DISPLAY=nosuch|the X display \":77\" nor the Wayland display \"nosuch\"" \
  "QT_QPA_PLATFORM=nonsense|a display through the window system \"nonsense\"" \
  "QT_QPA_PLATFORM=linuxfb:fb=/nosuch/fb0|the framebuffer \"/nosuch/fb0\"" \
  "QT_QPA_PLATFORM=xcb;linuxfb:fb=/nosuch/fb0|an X display (DISPLAY is not set) nor the framebuffer \"/nosuch/fb0\"" \
  "DISPLAY=:$silent|the X display \":$silent\" (no answer in 15 seconds)"; do
  IFS='|' read -r settings names <<< "$row"
  # shellcheck disable=SC2086 # the settings are words on purpose
  said=$(env -i PATH="$PATH" LANG=C XDG_RUNTIME_DIR="$work" $settings timeout 60 "$1" 2>&1)
  code=$?
  [[ $code -eq 1 && $said == "tarnel: cannot open $names" ]] ||
    { echo "FAIL with '$settings': status $code, said: $said"; status=1; }
done
exit "$status"
