#!/usr/bin/env bash
# Installs the Debian packages Tarnel needs to build, run and test, but only
# those that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

TARNEL_PACKAGES=(
  cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev
  xvfb xauth fonts-liberation desktop-file-utils appstream valgrind gcovr
)

tarnel_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tarnel_install_missing "${TARNEL_PACKAGES[@]}"
