#!/usr/bin/env bash
# Figures of the real program on a real X server (Xvfb), each beside its
# reference, the empty Qt window of 150 buttons, launched the same way:
#   1. start-up until the first window is on screen (ratio of medians)
#   4. CPU used over 30 s while a person is to move (share of one core)
#   5. peak resident size (ratio)
#
#   bench/desktop.sh [BUILD_DIR]     (default build/release)
#   STARTUP_ONLY=1 measures 1. alone
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
tarnel=$build/src/ui/tarnel
reference=$build/bench/tarnel_empty_window
probe=$build/bench/tarnel_startup_probe
idle_seconds=${IDLE_SECONDS:-30}

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [[ -s $displayfile ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")" QT_QPA_PLATFORM=xcb

echo "== 1. start-up"
"$probe" "${STARTUP_ROUNDS:-15}" "$tarnel" -- "$reference" -- "$reference" text
[[ -z ${STARTUP_ONLY:-} ]] || exit 0

# CPU ticks (user + system) of a process.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_kib() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

echo "== 4. idle and 5. memory"
hz=$(getconf CLK_TCK)
declare -A peak
for program in "$tarnel" "$reference" "$reference text"; do
  $program &
  pid=$!
  sleep 4 # the splash has handed over; red, a person, is to move
  before=$(cpu_ticks "$pid")
  sleep "$idle_seconds"
  after=$(cpu_ticks "$pid")
  peak[$program]=$(peak_kib "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  awk -v t=$((after - before)) -v hz="$hz" -v s="$idle_seconds" -v name="$(basename "$program")" \
    'BEGIN { printf "%-20s idle CPU over %d s: %.3f %% of one core; ", name, s, 100 * t / hz / s }'
  echo "peak resident ${peak[$program]} KiB"
done
awk -v a="${peak[$tarnel]}" -v b="${peak[$reference]}" -v c="${peak[$reference text]}" \
  'BEGIN { printf "peak resident ratio Tarnel / empty window: %.3f (/ empty window with menu bar and captions: %.3f)\n", a / b, a / c }'
