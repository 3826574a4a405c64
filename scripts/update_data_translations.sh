#!/usr/bin/env bash
# Refreshes data/po/tarnel-data.pot from the English desktop entry and
# metainfo, and merges it into every language's catalogue. Run it after
# changing a text of either; then translate what msgmerge marks.
set -euo pipefail
cd "$(dirname "$0")/../data/po"
pot=tarnel-data.pot
common=(--from-code=UTF-8 --package-name=tarnel --package-version=1.0.10
  --copyright-holder="The Tarnel developers" --no-location)
xgettext "${common[@]}" -L Desktop -k -kName -kGenericName -kComment -kKeywords \
  ../org.tarnel.Tarnel.desktop.in -o desktop.pot
xgettext "${common[@]}" --its=/usr/share/gettext/its/metainfo.its \
  ../org.tarnel.Tarnel.metainfo.xml.in -o metainfo.pot
msgcat --no-location desktop.pot metainfo.pot -o "$pot"
rm desktop.pot metainfo.pot
for language in $(grep -v '^#' LINGUAS); do
  msgmerge --quiet --update --backup=none --no-location "$language.po" "$pot"
done
echo "merged $pot into $(grep -vc '^#' LINGUAS) catalogues"
