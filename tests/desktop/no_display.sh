#!/usr/bin/env bash
# Without a display to open, the game says in one line which one it could
# not open and ends with status 1, never with a core dump.
#   no_display.sh TARNEL_EXECUTABLE
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
# What is set besides an empty environment | what the line must name.
for row in "|an X display (DISPLAY is not set)" "DISPLAY=:77|the X display \":77\"" \
  "WAYLAND_DISPLAY=nosuch|the Wayland display \"nosuch\"" \
  "DISPLAY=:77 WAYLAND_DISPLAY=nosuch|the X display \":77\" nor the Wayland display \"nosuch\"" \
  "QT_QPA_PLATFORM=nonsense|a display through the window system \"nonsense\""; do
  IFS='|' read -r settings names <<< "$row"
  # shellcheck disable=SC2086 # the settings are words on purpose
  said=$(env -i PATH="$PATH" LANG=C XDG_RUNTIME_DIR="$work" $settings timeout 20 "$1" 2>&1)
  code=$?
  [[ $code -eq 1 && $said == "tarnel: cannot open $names" ]] ||
    { echo "FAIL with '$settings': status $code, said: $said"; status=1; }
done
exit "$status"
