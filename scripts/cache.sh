# Sourced by the scripts: the one folder outside the checkout that keeps
# what is slow to make and the same for every checkout (Qt's source, the
# two Qt builds, emscripten's cache, the Wine prefixes). TARNEL_CACHE moves
# it whole, for instance to an empty folder to time a build from nothing.
tarnel_cache=${TARNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tarnel}

# A build folder configured against another build of Qt than `prefix` (one
# whose options or patches have changed since) starts afresh: CMake keeps
# the toolchain and the Qt it found first.
#   tarnel_forget_other_qt BUILD_DIR PREFIX
tarnel_forget_other_qt() {
  local cached
  [[ -f $1/CMakeCache.txt ]] || return 0
  cached=$(grep -ohE "$tarnel_cache/qt-[a-z]+-[0-9a-f]{12}/prefix" "$1/CMakeCache.txt" |
    sort -u || true)
  if [[ -n $cached && $cached != "$2" ]]; then
    echo "$1 was configured against another build of Qt: configuring it afresh"
    rm -rf "$1"
  fi
}
