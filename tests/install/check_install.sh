#!/usr/bin/env bash
# Installs a build into a scratch folder, checks the tree and validates the
# desktop entry and the AppStream metainfo.
#
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
app_id=org.tarnel.Tarnel

cmake --install "$build" --prefix "$root/usr" > /dev/null

fail=0
expect_file() {
  if [[ ! -f $root/usr/$1 ]]; then
    echo "missing: usr/$1"
    fail=1
  fi
}
expect_file games/tarnel
expect_file share/man/man6/tarnel.6.gz
expect_file share/doc/tarnel/copyright
expect_file share/doc/tarnel/changelog.gz
expect_file share/applications/$app_id.desktop
expect_file share/metainfo/$app_id.metainfo.xml
for size in 32 64 128 256; do
  icon=share/icons/hicolor/${size}x${size}/apps/$app_id.png
  expect_file "$icon"
  # Width and height from the PNG header match the folder's size.
  if [[ -f $root/usr/$icon ]]; then
    read -r width height < <(od -An -tu1 -j16 -N8 "$root/usr/$icon" |
      awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    if [[ $width != "$size" || $height != "$size" ]]; then
      echo "icon $icon is ${width}x${height}"
      fail=1
    fi
  fi
done
[[ -x $root/usr/games/tarnel ]] || { echo "tarnel is not executable"; fail=1; }
if ! lint=$(zcat "$root/usr/share/man/man6/tarnel.6.gz" | mandoc -T lint 2>&1); then
  echo "the manual page: $lint"
  fail=1
fi
# As man shows it: the game's own header and footer, no other system's.
if zcat "$root/usr/share/man/man6/tarnel.6.gz" | groff -mandoc -T ascii 2>/dev/null | grep -q BSD; then
  echo "the manual page names BSD"
  fail=1
fi

desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml"
grep -qx "Icon=$app_id" "$root/usr/share/applications/$app_id.desktop" || { echo "Icon= is not $app_id"; fail=1; }
grep -qx "Exec=tarnel" "$root/usr/share/applications/$app_id.desktop" || { echo "Exec= is not tarnel"; fail=1; }
grep -q "<id>$app_id</id>" "$root/usr/share/metainfo/$app_id.metainfo.xml" || { echo "metainfo id"; fail=1; }
grep -q '<release version="1.0.10"' "$root/usr/share/metainfo/$app_id.metainfo.xml" || { echo "release"; fail=1; }
# Every language beside English: the desktop entry's texts, and the
# metainfo's as AppStream itself reads them.
languages=$(grep -v '^#' "$(dirname "$0")/../../data/po/LINGUAS")
for lang in $languages; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=" "$root/usr/share/applications/$app_id.desktop" ||
      { echo "the desktop entry has no $key[$lang]"; fail=1; }
  done
done
grep -q '^Keywords\[de\]=.*;board;' "$root/usr/share/applications/$app_id.desktop" ||
  { echo "the translated keywords lost the English ones"; fail=1; }
/usr/bin/python3 "$(dirname "$0")/metainfo_languages.py" \
  "$root/usr/share/metainfo/$app_id.metainfo.xml" $languages || fail=1

if ((fail)); then
  echo "installed tree:"
  (cd "$root" && find . -type f | sort)
  exit 1
fi
echo "installed tree is complete and valid"
