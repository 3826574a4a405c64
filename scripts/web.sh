#!/usr/bin/env bash
# Builds Tarnel as a web page and tests it: installs what is missing
# (Debian's emscripten and Chromium, the test's browser driver from npm),
# builds Qt for WebAssembly once (scripts/qt/build.sh, cached outside
# the checkout), runs the Qt-free layers' tests under node, builds the game
# and leaves the page in build/web/ (static files, to serve from any
# folder), then plays it in headless Chromium.
#   scripts/web.sh             build and test
#   scripts/web.sh --no-tests  build only
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
tarnel_install_missing "${TARNEL_WEB_PACKAGES[@]}"
# Node.js may come from elsewhere than Debian, with npm inside it.
command -v node > /dev/null || tarnel_install_missing nodejs
command -v npm > /dev/null || tarnel_install_missing npm
source scripts/web/env.sh

scripts/qt/build.sh web # with Qt's progress, the first time
TARNEL_QT_WEB=$(scripts/qt/build.sh web | tail -1)
export TARNEL_QT_WEB
source scripts/cache.sh
tarnel_forget_other_qt build/web-core "$TARNEL_QT_WEB"
tarnel_forget_other_qt build/wasm "$TARNEL_QT_WEB"

tests=1
[[ ${1:-} == --no-tests ]] && tests=0
if ((tests)); then
  cmake --preset web-core
  cmake --build --preset web-core
  ctest --preset web-core
fi

cmake --preset web
cmake --build --preset web
rm -rf build/web
cmake --install build/wasm --prefix build/web
echo "The page is in build/web. To play it here:"
echo "  python3 -m http.server -d build/web 8000   # then open http://127.0.0.1:8000/"

if ((tests)); then
  tests/web/install.sh
  ctest --preset web
fi
