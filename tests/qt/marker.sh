#!/usr/bin/env bash
# A Qt build counts as made only once its last step wrote the marker: an
# empty cache is not built, nor one that has Qt's CMake files without it
# (a build stopped after installing Qt, before GoogleTest). Builds nothing.
#   marker.sh BUILD_SH
set -uo pipefail
TARNEL_CACHE=$(mktemp -d)
export TARNEL_CACHE
trap 'rm -rf "$TARNEL_CACHE"' EXIT
status=0
prefix=$("$1" --built windows | tail -1)
[[ $prefix == "$TARNEL_CACHE"/qt-windows-*/prefix ]] || { echo "FAIL: prefix $prefix"; exit 1; }
built() { "$1" --built windows > /dev/null; }
for row in "empty|1" "Qt's CMake files, no marker|1" "marker|0"; do
  case ${row%%|*} in
    Qt*) mkdir -p "$prefix/lib/cmake/Qt6" && : > "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ;;
    marker) echo key > "$(dirname "$prefix")/built" ;;
  esac
  built "$1"
  got=$?
  [[ $got == "${row#*|}" ]] || { echo "FAIL: ${row%%|*}: exit $got"; status=1; }
done
((status)) || echo "only a cache with the marker counts as built"
exit "$status"
