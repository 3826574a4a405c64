#!/usr/bin/env bash
# Starts the real program on its own Xvfb server (a real X display, not the
# offscreen platform) and lets the screen probe watch the splash and the
# main window come up.
#
#   run_e2e.sh TARNEL_EXECUTABLE PROBE_EXECUTABLE OUTPUT_DIR
set -euo pipefail
tarnel=$1
probe=$2
outdir=$3
mkdir -p "$outdir"

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
cleanup() {
  kill "${app:-}" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT

for _ in $(seq 100); do
  [[ -s $displayfile ]] && break
  sleep 0.1
done
display=":$(head -n1 "$displayfile")"
echo "Xvfb on display $display"

export DISPLAY=$display QT_QPA_PLATFORM=xcb
"$probe" "$outdir" &
watcher=$!
sleep 0.3 # the probe watches from before the program starts
# Arguments change nothing: Qt's own options included.
"$tarnel" -reverse -style windows -platform offscreen --geometry 10x10 game.txt &
app=$!
status=0
wait "$watcher" || status=$?
echo "screenshots in $outdir"
exit "$status"
