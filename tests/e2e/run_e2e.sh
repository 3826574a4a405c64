#!/usr/bin/env bash
# Starts the real program on a real X display (Xvfb, no window manager) and
# lets the screen probe watch the splash and the main window come up.
#
#   run_e2e.sh TARNEL_EXECUTABLE PROBE_EXECUTABLE OUTPUT_DIR
set -euo pipefail
if [[ -z ${DISPLAY:-} || ${TARNEL_E2E_INSIDE:-} != 1 ]]; then
  export TARNEL_E2E_INSIDE=1
  exec "$(dirname "$0")/../desktop/session.sh" --no-wm "$0" "$@"
fi
tarnel=$1
probe=$2
outdir=$3
mkdir -p "$outdir"
echo "Xvfb on display $DISPLAY"

"$probe" "$outdir" &
watcher=$!
sleep 0.3 # the probe watches from before the program starts
# Arguments change nothing: Qt's own options included.
"$tarnel" -reverse -style windows -platform offscreen --geometry 10x10 game.txt &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
status=0
wait "$watcher" || status=$?
echo "screenshots in $outdir"
exit "$status"
