#!/usr/bin/env bash
# Without a display to open, the game says in one line which one it could
# not open and ends with status 1, never with a core dump: no display, a
# window system with no screen, a display that never answers or stops
# answering before the first window. One that answers slowly is waited for.
#   no_display.sh TARNEL_EXECUTABLE
# shellcheck disable=SC2154 # serve sets the displays' numbers
set -uo pipefail
work=$(mktemp -d) tarnel=$1 servers=()
trap 'kill "${servers[@]}"; rm -rf "$work"' EXIT
# serve NAME COMMAND...: NAME holds the number of COMMAND's display once it
# is written to descriptor 3. A real X server, and displays that pass its
# answers on: none, each 0.25 s late, none after the first 40,000 bytes.
serve() {
  "${@:2}" 3>"$work/$1" >&3 2>/dev/null &
  servers+=($!) && disown
  until [[ -s $work/$1 ]] || ! kill -0 "${servers[-1]}"; do sleep 0.1; done
  printf -v "$1" %s "$(<"$work/$1")"
}
serve real Xvfb -displayfd 3 -nolisten tcp -noreset
for proxy in "silent stop 0" "slow delay 0.25" "stalling stop 40000"; do
  # shellcheck disable=SC2086 # the words on purpose
  serve ${proxy%% *} "$(dirname "$0")/../support/x_proxy.py" "$real" ${proxy#* }
done
check() { # SETTINGS (besides an empty environment) STATUS SAID SECONDS
  # shellcheck disable=SC2086 # the settings are words on purpose
  said=$(env -i PATH="$PATH" LANG=C XDG_RUNTIME_DIR="$work" $1 timeout "$4" "$tarnel" 2>&1)
  code=$?
  [[ $code -eq $2 && $said == "$3" ]] ||
    { echo "FAIL with '$1': status $code, said: $said"; touch "$work/failed"; }
}
# What is set | what the line must name. All at once: some take 15 s.
for row in "|an X display (DISPLAY is not set)" "DISPLAY=:77|the X display \":77\"" \
  "WAYLAND_DISPLAY=nosuch|the Wayland display \"nosuch\"" \
  "DISPLAY=:77 WAYLAND_DISPLAY=nosuch|the X display \":77\" nor the Wayland display \"nosuch\"" \
  "QT_QPA_PLATFORM=nonsense|a display through the window system \"nonsense\"" \
  "QT_QPA_PLATFORM=linuxfb:fb=/nosuch/fb0|the framebuffer \"/nosuch/fb0\"" \
  "QT_QPA_PLATFORM=xcb;linuxfb:fb=/nosuch/fb0|an X display (DISPLAY is not set) nor the framebuffer \"/nosuch/fb0\"" \
  "DISPLAY=:$silent|the X display \":$silent\" (no answer in 15 seconds)"; do
  IFS='|' read -r settings names <<< "$row"
  check "$settings" 1 "tarnel: cannot open $names" 60 &
done
check "DISPLAY=:$stalling" 1 "tarnel: the X display \":$stalling\" opened, then stopped answering (no answer in 15 seconds)" 60 &
check "DISPLAY=:$slow" 124 "" 20 & # still running, silent, at 20 s
wait
[[ ! -e $work/failed ]]
