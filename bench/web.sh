#!/usr/bin/env bash
# The page in headless Chromium, served as a static host serves it (gzip and
# brotli): bytes over the wire for a first visit in English and in Japanese,
# and the time from navigation to the first frame and to the main window;
# beside it the desktop's start-up, measured by bench/desktop.sh's probe.
#
#   bench/web.sh [WEB_DIR] [BUILD_DIR]     (default build/web, build/release)
#   WEB_RUNS=5 visits per language and encoding
set -euo pipefail
cd "$(dirname "$0")/.."
web=${1:-build/web}
build=${2:-build/release}

[[ -f $web/index.html ]] || { echo "no page in $web: ./scripts/web.sh first" >&2; exit 1; }
[[ -d tests/web/node_modules ]] || tests/web/install.sh
echo "== the page ($web)"
nice node bench/web.mjs "$web" "${WEB_RUNS:-5}"

echo "== the desktop ($build)"
if [[ -x $build/bench/tarnel_startup_probe ]]; then
  STARTUP_ONLY=1 bench/desktop.sh "$build" # the first window is the splash; the main window follows 2 s later
else
  echo "skipped: no release build in $build (cmake --preset release && cmake --build --preset release)"
fi
