#!/usr/bin/env bash
# Builds Qt for another target, once, from Debian's own source of qt6-base
# (the version of the host tools a cross build needs), into a cache keyed by
# Qt's version, the compiler and these options, then GoogleTest beside it
# with the same compiler. Does nothing when that cache is whole.
#   build.sh windows|web          prints the prefix on its last line
#   build.sh --built windows|web  prints it, builds nothing, and exits 0
#                                 only if it is whole
# A cache is whole only when every step finished: the marker is written
# last, and a cache without it is built again from nothing. Two calls for
# one target wait for each other.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../cache.sh"
only_check=0
[[ ${1:-} == --built ]] && { only_check=1; shift; }
target=${1:?usage: build.sh [--built] windows|web}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)

# What the game uses of Qt: Core, Gui and Widgets, and Qt Test where the
# window tests run; Qt's other modules are left out, and so are the parts
# of these three the game never shows: no graphics view, MDI, dock widgets,
# file, font, colour or progress dialogs, style sheets, rich-text writers
# and readers but HTML, date-time widgets, splitters, completers, gestures
# or undo stacks, and in the page no tab widgets. (Qt's Windows style uses
# the input dialog and the list, tree and table views, so those stay, and
# draws the tab widget's frame.)
options=(
  -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF -DFEATURE_optimize_size=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
)
unused=(
  style_stylesheet graphicsview graphicseffect mdiarea dockwidget toolbox calendarwidget
  datetimeedit filedialog fontdialog colordialog wizard progressdialog errormessage columnview
  undoview treewidget tablewidget listwidget datawidgetmapper keysequenceedit fontcombobox
  lcdnumber dial syntaxhighlighter textbrowser splashscreen splitter fscompleter completer
  tabwidget commandlinkbutton scroller gestures
  textodfwriter textmarkdownreader textmarkdownwriter cssparser pdf systemtrayicon movie
  imageformat_ppm imageformat_xbm undocommand undostack undogroup picture
  sharedmemory systemsemaphore jalalicalendar hijricalendar islamiccivilcalendar timezone
  transposeproxymodel concatenatetablesproxymodel identityproxymodel sortfilterproxymodel
)
for feature in "${unused[@]}"; do
  [[ $target == windows && $feature == tabwidget ]] || options+=("-DFEATURE_$feature=OFF")
done
gtest=()
# How the source is changed for the target, in a copy of hard links (the
# files changed are written anew, the shared source stays as it came).
trim() { :; }
patches=
case $target in
  windows)
    # Debian's MinGW-w64; the Windows and offscreen platforms and styles.
    # Debian's source has no wintab headers; DirectWrite 3 without Direct2D
    # links a font database that is not built.
    toolchain=$here/../windows/mingw-w64.cmake
    compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix 2> /dev/null || true)
    options+=(-DBUILD_SHARED_LIBS=ON -DINPUT_opengl=no -DFEATURE_direct2d=OFF
      -DFEATURE_tabletevent=OFF -DFEATURE_directwrite3=OFF)
    ;;
  web)
    # Debian's emscripten. Qt 6.4 asks for emscripten 3.1.14; Debian 12 has
    # 3.1.6, which builds it.
    source "$here/../web/env.sh"
    toolchain=$tarnel_emscripten_toolchain
    compiler=$(dpkg-query -W -f='${Version}' emscripten 2> /dev/null || true)
    options+=(-DBUILD_SHARED_LIBS=OFF -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
      -DEMCC_VERSION=3.1.6 -DQT_EMCC_RECOMMENDED_VERSION=3.1.14
      -DFEATURE_testlib=OFF -DFEATURE_library=OFF)
    # (Everything is linked in: no library is opened at run time. With the
    # feature, Qt would open libthai to break Thai lines, and emscripten's
    # dlopen ends the program.)
    # The Qt-free layers' tests run under node, with exceptions, one thread.
    gtest=(-DCMAKE_CXX_FLAGS=-fexceptions -Dgtest_disable_pthreads=ON)
    # Every byte here is downloaded by every player. Qt's page platform
    # builds three faces into each program (1 MB) whatever it draws with:
    # they are left empty, as the game brings its own faces, cut to its
    # texts. Widgets' style images go but the few the Fusion style draws:
    # the others are file, drive and media icons no window here shows.
    trim() {
      local face
      for face in Vera DejaVuSans DejaVuSansMono; do
        rm "src/3rdparty/wasm/$face.ttf"
        : > "src/3rdparty/wasm/$face.ttf"
      done
      sed -i -E '/^set\(qstyle_resource_files/,/^\)/{/images\/(fusion_|left-|right-|up-|down-|cleartext-)/!{/"styles\/images\//d}}' \
        src/widgets/CMakeLists.txt
      # Pointers meet scaled windows where they are drawn (the patch says
      # why). The file is copied first: the source is Debian's, hard-linked.
      local compositor=src/plugins/platforms/wasm/qwasmcompositor.cpp
      cp "$compositor" "$compositor.own" && mv "$compositor.own" "$compositor"
      patch -s -p1 < "$here/wasm-pointer.patch"
    }
    patches=$(cat "$here/wasm-pointer.patch")
    ;;
  *) echo "build.sh: no target '$target' (windows or web)" >&2; exit 2 ;;
esac
key=$(printf '%s\n' "$version" "$compiler" "${options[@]}" "${gtest[@]}" \
  "$(cat "$toolchain")" "$(declare -f trim)" ${patches:+"$patches"} | sha256sum | cut -c1-12)
cache=$tarnel_cache/qt-$target-$key
prefix=$cache/prefix
marker=$cache/built

mkdir -p "$tarnel_cache"
exec 9> "$cache.lock"
if ((only_check)); then
  echo "$prefix"
  [[ -f $marker ]]
  exit
fi
flock 9
# Qt's own translations, from Debian's qt6-translations-l10n of the same
# version, where a shared Qt looks for them (the page fetches its own).
translations() {
  [[ $target == windows ]] || return 0
  mkdir -p "$prefix/translations"
  cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}
if [[ -f $marker ]]; then
  translations
  echo "Qt $version for $target is built: $prefix"
  echo "$prefix"
  exit 0
fi

echo "Building Qt $version for $target into $cache"
echo "(once: about 900 compile steps, 25 to 60 minutes on 2 cores)"
rm -rf "$cache"
mkdir -p "$cache"
source=$("$here/source.sh" | tail -1)
cd "$cache"
cp -al "$source" source
(cd source && trim)
source=$cache/source
SECONDS=0
cmake -G Ninja -S "$source" -B build "${options[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build build
cmake --install build
rm -rf build source
cmake -G Ninja -S /usr/src/googletest -B gtest-build -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${gtest[@]}"
cmake --build gtest-build
cmake --install gtest-build
rm -rf gtest-build
translations
echo "$key" > "$marker"
echo "Qt built in $((SECONDS / 60)) min $((SECONDS % 60)) s"
echo "$prefix"
