# Sourced by the scripts: the one folder outside the checkout that keeps
# what is slow to make and the same for every checkout (Qt's source, the
# two Qt builds, emscripten's cache, the Wine prefixes). TARNEL_CACHE moves
# it whole, for instance to an empty folder to time a build from nothing.
tarnel_cache=${TARNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarnel}
