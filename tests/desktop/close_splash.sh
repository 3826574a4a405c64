#!/usr/bin/env bash
# A close request to the splash (the window manager's WM_DELETE_WINDOW, as
# a person's Alt+F4 would send it) must not leave a program without a
# window: the main window comes up at once instead of never.
#
#   close_splash.sh TARNEL_EXECUTABLE        (inside session.sh)
set -euo pipefail
"$1" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

# The splash: the program's only visible window while it starts, 418 x 238.
visible() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
splash=
for _ in $(seq 100); do
  splash=$(visible | head -n1)
  [[ -n $splash ]] && break
  sleep 0.05
done
[[ -n $splash ]] || { echo "no splash window"; exit 1; }
xdotool getwindowgeometry "$splash" | grep -q 'Geometry: 418x238' ||
  { echo "the first window is not the splash"; exit 1; }
wmctrl -i -c "$splash"
echo "close request sent to the splash ($splash)"

# The main window must come. (Left alone it would also come after two
# seconds; closed without the mend, it never would.)
for _ in $(seq 100); do
  main=$(visible | head -n1)
  if [[ -n $main && $main != "$splash" ]]; then
    kill -0 "$app" || { echo "the program ended"; exit 1; }
    echo "the main window is up"
    exit 0
  fi
  sleep 0.05
done
echo "no main window after the splash was closed"
exit 1
