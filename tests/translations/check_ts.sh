#!/usr/bin/env bash
# The .ts files hold every text of the sources, each with a finished
# translation: lupdate, run over the sources into copies of the files, must
# find nothing new, nothing gone and nothing unfinished.
#
#   check_ts.sh LUPDATE SOURCE_DIR          (SOURCE_DIR: src/ui)
set -euo pipefail
lupdate=$1
sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$sources"/translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none "$sources" -ts "$copy"
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is not up to date with the sources:"
    diff "$ts" "$copy" | head -20 || true
    status=1
  fi
  if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$copy"; then
    echo "$(basename "$ts") has the entries above unfinished"
    status=1
  fi
  echo "$(basename "$ts"): $(grep -c '<message>' "$copy") texts"
done
exit "$status"
