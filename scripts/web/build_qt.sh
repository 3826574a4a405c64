#!/usr/bin/env bash
# Builds Qt for WebAssembly, once, from Debian's own source of qt6-base with
# Debian's emscripten, into a cache outside the checkout keyed by Qt's
# version, emscripten's and these options. Does nothing when that cache is
# there.
#   build_qt.sh            prints the prefix on its last line
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
emscripten=$(dpkg-query -W -f='${Version}' emscripten)
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  # Qt 6.4 asks for emscripten 3.1.14; Debian 12 has 3.1.6, which builds it.
  -DEMCC_VERSION=3.1.6 -DQT_EMCC_RECOMMENDED_VERSION=3.1.14
  # Only what the page uses: Core, Gui, Widgets and the wasm platform.
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_testlib=OFF
  -DFEATURE_optimize_size=ON
)
key=$(printf '%s\n' "$version" "$emscripten" "${options[@]}" | sha256sum | cut -c1-12)
cache=${TARNEL_QT_WEB_CACHE:-$tarnel_cache/qt-web-$key}
prefix=$cache/prefix
if [[ -f $prefix/lib/cmake/Qt6/Qt6Config.cmake ]]; then
  echo "Qt $version for WebAssembly is built: $prefix"
  echo "$prefix"
  exit 0
fi

echo "Building Qt $version for WebAssembly into $cache"
echo "(once: about 900 compile steps, 35 to 60 minutes on 2 cores)"
mkdir -p "$cache"
source=$("$here/../qt_source.sh" | tail -1)
SECONDS=0
cd "$cache"
cmake -G Ninja -S "$source" -B build "${options[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$tarnel_emscripten_toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build build
cmake --install build
rm -rf build
# GoogleTest from Debian's source, by the same compiler, beside Qt: the
# Qt-free layers' tests run under node.
cmake -G Ninja -S /usr/src/googletest -B gtest-build -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$tarnel_emscripten_toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_CXX_FLAGS=-fexceptions -Dgtest_disable_pthreads=ON
cmake --build gtest-build
cmake --install gtest-build
rm -rf gtest-build
echo "Qt built in $((SECONDS / 60)) min $((SECONDS % 60)) s"
echo "$prefix"
