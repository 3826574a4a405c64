# Sourced by the web scripts: Debian's emscripten, called the way it works
# here, with a compiler cache of its own outside the checkout.
#   Debian's python (another python on PATH costs a second a call or
#   breaks it), Debian's node modules, and a cache seeded from the
#   package's prebuilt system libraries and free to grow (the package's own
#   is read-only). EMSDK is a stand-in that Qt's CMake reads the version and
#   the toolchain from.
source "$(dirname "${BASH_SOURCE[0]}")/../cache.sh"
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs
export EM_CACHE=$tarnel_cache/emscripten-cache
export EM_FROZEN_CACHE=
if [[ ! -f $EM_CACHE/seeded ]]; then
  mkdir -p "$EM_CACHE"
  cp -a --no-clobber /usr/share/emscripten/cache/. "$EM_CACHE/"
  rm -f "$EM_CACHE/cache.lock"
  touch "$EM_CACHE/seeded"
fi
export EMSDK=$tarnel_cache/emsdk
if [[ ! -x $EMSDK/emscripten/emcc ]]; then
  mkdir -p "$EMSDK/emscripten/cmake/Modules/Platform"
  echo "EMSCRIPTEN_ROOT = 'emscripten'" > "$EMSDK/.emscripten"
  printf '#!/bin/sh\nexec /usr/bin/emcc "$@"\n' > "$EMSDK/emscripten/emcc"
  chmod +x "$EMSDK/emscripten/emcc"
  ln -sf /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    "$EMSDK/emscripten/cmake/Modules/Platform/Emscripten.cmake"
fi
tarnel_emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
