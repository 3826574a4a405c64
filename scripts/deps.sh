#!/usr/bin/env bash
# Installs the Debian packages Tarnel needs to build, run and test, but only
# those that are missing. Sourced by the scripts.
set -euo pipefail

TARNEL_PACKAGES=(
  cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
  xvfb xauth openbox x11-utils xdotool wmctrl dbus at-spi2-core python3-pyatspi
  weston xwayland qt6-wayland
  fonts-liberation fonts-noto-core fonts-noto-cjk python3-fonttools
  desktop-file-utils appstream gir1.2-appstream-1.0 dpkg-dev lintian mandoc groff-base
  valgrind gcovr clang-format clang-tidy
)
# The Windows build (windows.sh) and the page (web.sh) need these besides.
TARNEL_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine dpkg-dev zip
  python3-pefile nsis x11-apps xvfb openbox xdotool
)
TARNEL_WEB_PACKAGES=(emscripten chromium python3-fonttools fonts-dejavu-core xvfb xdotool)

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
