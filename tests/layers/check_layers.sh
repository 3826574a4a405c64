#!/usr/bin/env bash
# What the build cannot refuse: each layer sees only the layers it links
# (its include root holds its own folder alone), but a file's own folder is
# always searched, so an include by ".." reaches anywhere. Every include of
# a layer's files (by quotes, or by angle brackets naming a layer), in every
# spelling of the directive and in subfolders, names a file beside it
# unqualified or a layer it may include; the Qt-free layers include no Qt.
#   check_layers.sh SOURCE_DIR      (src)
set -euo pipefail
cd "$1"
declare -A allowed=([engine]="engine" [players]="engine players" [menus]="engine menus"
  [session]="engine players menus session" [platform]="platform"
  [ui]="engine players menus session platform ui")
layers=$(IFS='|'; echo "${!allowed[*]}")
status=0
for layer in "${!allowed[@]}"; do
  files=$(find "$layer" -name '*.h' -o -name '*.cpp')
  while IFS=: read -r file line included; do
    [[ $included != *..* ]] &&
      [[ -f $(dirname "$file")/$included || " ${allowed[$layer]} " == *" ${included%%/*} "* ]] &&
      continue
    echo "$file:$line: $layer/ may include only ${allowed[$layer]}, not \"$included\""
    status=1
  done < <(grep -nE '^\s*#\s*include\s*("|<('"${layers}"')/)' $files |
    sed -E 's/:\s*#\s*include\s*[<"]([^">]+)[">].*/:\1/')
  if [[ $layer != ui && $layer != platform ]] && grep -nE '^\s*#\s*include\s*<Q' $files; then
    echo "^ $layer/ is free of Qt"
    status=1
  fi
done
exit "$status"
