#!/usr/bin/env bash
# Builds the Debian package of a build, checks what it installs, unpacks it
# and starts the packaged game for a few seconds on the offscreen platform.
#
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log) || {
  cat "$work/cpack.log"
  exit 1
}
deb=$(ls "$work"/*.deb)
echo "built $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends Recommends
# Fonts for every script the translations use.
for font in fonts-noto-core fonts-noto-cjk; do
  dpkg-deb --field "$deb" Recommends | grep -qw "$font" || { echo "the package does not recommend $font"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/tarnel ./usr/share/applications/org.tarnel.Tarnel.desktop \
  ./usr/share/metainfo/org.tarnel.Tarnel.metainfo.xml \
  ./usr/share/icons/hicolor/32x32/apps/org.tarnel.Tarnel.png; do
  grep -q " $path\$" <<< "$contents" || { echo "package lacks $path"; exit 1; }
done

# What a Debian maintainer would run first.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no errors, no warnings"

dpkg-deb -x "$deb" "$work/root"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/games/tarnel" || status=$?
if [[ $status -ne 124 ]]; then
  echo "the packaged game ended early with status $status"
  exit 1
fi
echo "the packaged game starts and runs"
