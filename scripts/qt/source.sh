#!/usr/bin/env bash
# Unpacks Debian's source of qt6-base, of the version of the host's Qt, once,
# into the cache outside the checkout, for the builds of Qt (build.sh).
# Prints the folder on its last line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../cache.sh"
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
folder=$tarnel_cache/qt6-base-$version
if [[ ! -f $folder/source/CMakeLists.txt ]]; then
  if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version'; then
    echo "Adding Debian's source archive (deb-src) for Qt's source"
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    # From the archives apt uses, in either format of Debian's (or both).
    entries=$("$here/deb_src.sh" /etc/apt/sources.list /etc/apt/sources.list.d/debian.sources)
    [[ -n $entries ]] || { echo "No deb entry in /etc/apt/sources.list or debian.sources" >&2; exit 1; }
    "${sudo[@]}" tee /etc/apt/sources.list.d/tarnel-deb-src.sources <<< "$entries" > /dev/null
    "${sudo[@]}" apt-get update -qq
  fi
  rm -rf "$folder" && mkdir -p "$folder/fetch" && cd "$folder/fetch"
  apt-get source --download-only "qt6-base=$version"
  dpkg-source -x qt6-base_*.dsc ../source
  cd .. && rm -rf fetch
fi
echo "$folder/source"
