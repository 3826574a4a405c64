#!/usr/bin/env bash
# Every .ts file holds every text of the sources, with a finished translation
# in every number form: lupdate, run over the sources into copies of the
# files, must find nothing new, nothing gone and nothing unfinished. The
# desktop files' catalogues (data/po) cover the same languages, whole. Qt's
# own texts come for each from Qt's catalogue or the game's qt_<L>.ts.
#
#   check_ts.sh LUPDATE SOURCE_DIR PO_DIR QT_CATALOGUES
#   (src/ui, data/po and the folder of Qt's qtbase_<L>.qm)
set -euo pipefail
lupdate=$1
sources=$2
po=$3
qt_catalogues=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$sources"/translations/tarnel_*.ts; do
  name=$(basename "$ts")
  copy="$work/$name"
  cp "$ts" "$copy"
  # The window's texts, and the menus' captions in their table.
  "$lupdate" -silent -no-obsolete -locations none "$sources" "$sources/../menus" -ts "$copy"
  if ! cmp -s "$ts" "$copy"; then
    echo "$name is not up to date with the sources:"
    diff "$ts" "$copy" | head -20 || true
    status=1
  fi
  if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>|<numerusform></numerusform>|<numerusform/>' "$copy"; then
    echo "$name has the entries above unfinished"
    status=1
  fi
done

# One language list for both, and every catalogue whole.
ts_languages=$(cd "$sources/translations" && ls tarnel_*.ts | sed 's/^tarnel_//; s/\.ts$//')
if [[ $ts_languages != "$(grep -v '^#' "$po/LINGUAS" | sort)" ]]; then
  echo "the .ts files and po/LINGUAS name different languages"
  status=1
fi
for language in $ts_languages; do
  own="$sources/translations/qt_$language.ts"
  if [[ ! -e $qt_catalogues/qtbase_$language.qm && ! -e $own ]]; then
    echo "Qt's own texts have no catalogue for $language"
    status=1
  elif [[ -e $own ]] && grep -nE 'type="unfinished"|<translation></translation>|<translation/>' "$own"; then
    echo "qt_$language.ts has the entries above unfinished"
    status=1
  fi
  if ! msgcmp "$po/$language.po" "$po/tarnel-data.pot" ||
    msgfmt -c --statistics -o /dev/null "$po/$language.po" 2>&1 | grep -E 'untranslated|fuzzy'; then
    echo "po/$language.po is not whole"
    status=1
  fi
done
echo "$(echo "$ts_languages" | wc -w) languages checked"
exit "$status"
