#!/usr/bin/env bash
# Builds Qt for 64-bit Windows, once, from Debian's own source of qt6-base
# (the version of the host tools the cross build needs), with Debian's
# MinGW-w64, into a cache outside the checkout keyed by Qt's version and
# these options. Does nothing when that cache is there.
#   build_qt.sh            prints the prefix on its last line
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  # Only what the game uses: Core, Gui, Widgets, Test, the Windows and
  # offscreen platforms and the Windows styles.
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_direct2d=OFF
  -DINPUT_opengl=no
  # Debian's source has no wintab headers; DirectWrite 3 without Direct2D
  # links a font database that is not built.
  -DFEATURE_tabletevent=OFF -DFEATURE_directwrite3=OFF
)
key=$(printf '%s\n' "$version" "${options[@]}" "$(cat "$here/mingw-w64.cmake")" | sha256sum | cut -c1-12)
cache=${TARNEL_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarnel/qt-windows-$key}
prefix=$cache/prefix
# Qt's own translations, from Debian's qt6-translations-l10n of the same
# version, where this Qt looks for them.
translations() {
  mkdir -p "$prefix/translations"
  cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}
if [[ -f $prefix/lib/cmake/Qt6/Qt6Config.cmake ]]; then
  translations
  echo "Qt $version for Windows is built: $prefix"
  echo "$prefix"
  exit 0
fi

echo "Building Qt $version for Windows into $cache"
echo "(once: about 1,000 compile steps, 18 to 32 minutes on 2 cores)"
mkdir -p "$cache"
source=$("$here/../qt_source.sh" | tail -1)
cd "$cache"
SECONDS=0
cmake -G Ninja -S "$source" -B build "${options[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build build
cmake --install build
rm -rf build
# GoogleTest from Debian's source, by the same toolchain, beside Qt.
cmake -G Ninja -S /usr/src/googletest -B gtest-build -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --build gtest-build
cmake --install gtest-build
rm -rf gtest-build
translations
echo "Qt built in $((SECONDS / 60)) min $((SECONDS % 60)) s"
echo "$prefix"
