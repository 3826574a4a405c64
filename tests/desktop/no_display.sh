#!/usr/bin/env bash
# Without a display to open, the game says in one line which one it could
# not open and ends with status 1, never with a core dump.
#   no_display.sh TARNEL_EXECUTABLE
set -uo pipefail
tarnel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
status=0
# What is set besides an empty environment | what the line must name.
rows=(
  "|an X display (DISPLAY is not set)"
  "DISPLAY=:77|the X display \":77\""
  "WAYLAND_DISPLAY=nosuch|the Wayland display \"nosuch\""
  "DISPLAY=:77 WAYLAND_DISPLAY=nosuch|the X display \":77\" nor the Wayland display \"nosuch\""
  "QT_QPA_PLATFORM=nonsense|a display through the window system \"nonsense\""
)
for row in "${rows[@]}"; do
  IFS='|' read -r settings names <<< "$row"
  # shellcheck disable=SC2086 # the settings are words on purpose
  env -i PATH="$PATH" LANG=C XDG_RUNTIME_DIR="$work/runtime" $settings \
    timeout 20 "$tarnel" > "$work/out" 2> "$work/err"
  code=$?
  expected="tarnel: cannot open $names"
  if [[ $code -ne 1 || -s $work/out || $(cat "$work/err") != "$expected" ]]; then
    echo "FAIL with '$settings': status $code, said:"
    cat "$work/out" "$work/err"
    status=1
  else
    echo "with '$settings': $expected"
  fi
done
exit "$status"
