#!/usr/bin/env bash
# Each layer includes only itself and the layers below it (a file of its own
# folder may go unqualified, but never by "..": every other include names
# its layer), and the Qt-free ones include no Qt.
#   check_layers.sh SOURCE_DIR      (src)
set -euo pipefail
cd "$1"
declare -A allowed=([engine]="engine" [players]="engine players" [menus]="engine menus"
  [platform]="platform" [ui]="engine players menus platform ui")
status=0
for layer in "${!allowed[@]}"; do
  while IFS=: read -r file line included; do
    [[ $included != *..* ]] &&
      [[ -f $layer/$included || " ${allowed[$layer]} " == *" ${included%%/*} "* ]] && continue
    echo "$file:$line: $layer/ may include only ${allowed[$layer]}, not \"$included\""
    status=1
  done < <(grep -nE '^#include "' "$layer"/*.{h,cpp} | sed -E 's/:#include "([^"]+)".*/:\1/')
  if [[ $layer != ui && $layer != platform ]] && grep -nE '^#include <Q' "$layer"/*.{h,cpp}; then
    echo "^ $layer/ is free of Qt"
    status=1
  fi
done
exit "$status"
