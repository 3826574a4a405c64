#!/usr/bin/env bash
# The deb-src entries for the archives apt already fetches packages from:
# one deb822 stanza per archive and suite of every `deb` entry in the given
# files, one-line (/etc/apt/sources.list) or deb822 (*.sources) alike, each
# printed once. A CD-ROM has no sources; files that are not there are
# skipped.
#   deb_src.sh FILE...
set -euo pipefail
# Prints the stanza for one archive and suite.
emit='function emit(uri, suite, components, signed) {
  sub(/\/+$/, "", uri)
  printf "Types: deb-src\nURIs: %s\nSuites: %s\n", uri, suite
  if (components != "") printf "Components: %s\n", components
  if (signed != "") printf "Signed-By: %s\n", signed
  printf "\n"
}'
# deb822: stanzas apart by blank lines; comments dropped, a continued field
# (a key given in place) kept whole.
deb822='BEGIN { RS = "" }
{
  n = split($0, lines, "\n"); split("", field); key = ""
  for (i = 1; i <= n; i++) {
    if (lines[i] ~ /^#/) continue
    if (lines[i] ~ /^[ \t]/) { if (key != "") field[key] = field[key] "\n" lines[i]; continue }
    colon = index(lines[i], ":"); if (!colon) continue
    key = tolower(substr(lines[i], 1, colon - 1)); value = substr(lines[i], colon + 1)
    gsub(/^[ \t]+|[ \t]+$/, "", value); field[key] = value
  }
  if (tolower(field["enabled"]) == "no" || (" " field["types"] " ") !~ /[ \t]deb[ \t]/) next
  uris = split(field["uris"], uri, /[ \t]+/); suites = split(field["suites"], suite, /[ \t]+/)
  for (u = 1; u <= uris; u++) for (s = 1; s <= suites; s++)
    if (uri[u] !~ /^cdrom:/) emit(uri[u], suite[s], field["components"], field["signed-by"])
}'
# One-line: deb [option=value ...] URI SUITE [COMPONENT...] # comment
oneline='{
  sub(/[ \t]*#.*/, ""); if ($1 != "deb") next
  line = $0; sub(/^[ \t]*deb[ \t]+/, "", line); signed = ""
  if (substr(line, 1, 1) == "[") {
    n = split(substr(line, 2, index(line, "]") - 2), option, /[ \t]+/)
    for (i = 1; i <= n; i++) if (option[i] ~ /^signed-by=/) signed = substr(option[i], 11)
    line = substr(line, index(line, "]") + 1); sub(/^[ \t]+/, "", line)
  }
  n = split(line, word, /[ \t]+/); components = word[3]
  for (i = 4; i <= n; i++) components = components " " word[i]
  if (word[1] !~ /^cdrom:/) emit(word[1], word[2], components, signed)
}'
for file; do
  [[ -e $file ]] || continue
  if [[ $file == *.sources ]]; then
    awk "$emit $deb822" "$file"
  else
    awk "$emit $oneline" "$file"
  fi
done | awk 'BEGIN { RS = ""; ORS = "\n\n" } !seen[$0]++'
