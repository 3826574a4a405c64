#!/usr/bin/env bash
# The translations are complete and current:
# - every .ts file holds every text of the sources with a finished
#   translation in every number form of its language: lupdate, run over the
#   sources into copies of the files, must find nothing new, nothing gone and
#   nothing unfinished;
# - the desktop files' catalogues (data/po) cover the same languages, each
#   with every text translated and nothing fuzzy.
#
#   check_ts.sh LUPDATE SOURCE_DIR PO_DIR      (src/ui and data/po)
set -euo pipefail
lupdate=$1
sources=$2
po=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$sources"/translations/*.ts; do
  name=$(basename "$ts")
  copy="$work/$name"
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copy"
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

# One language list for both: the .ts files and po/LINGUAS.
ts_languages=$(cd "$sources/translations" && ls tarnel_*.ts | sed 's/^tarnel_//; s/\.ts$//' | sort)
po_languages=$(grep -v '^#' "$po/LINGUAS" | sort)
if [[ $ts_languages != "$po_languages" ]]; then
  echo "the .ts files and po/LINGUAS name different languages:"
  diff <(echo "$ts_languages") <(echo "$po_languages") || true
  status=1
fi
for language in $po_languages; do
  catalogue="$po/$language.po"
  if [[ ! -f $catalogue ]]; then
    echo "po/$language.po is missing"
    status=1
    continue
  fi
  statistics=$(msgfmt -c --statistics -o /dev/null "$catalogue" 2>&1)
  if [[ $statistics == *untranslated* || $statistics == *fuzzy* ]]; then
    echo "po/$language.po: $statistics"
    status=1
  fi
  if ! msgcmp "$catalogue" "$po/tarnel-data.pot" 2>/dev/null; then
    echo "po/$language.po does not match tarnel-data.pot"
    status=1
  fi
done
echo "$(echo "$ts_languages" | wc -w) languages checked"
exit "$status"
