#!/usr/bin/env bash
# The code stays formatted by the committed .clang-format and clean of the
# .clang-tidy checks on our sources. Needs a configured build folder for its
# compile commands (default build/dev).
#
#   scripts/lint.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}

mapfile -t cpp < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${cpp[@]}"
echo "clang-format: ${#cpp[@]} files formatted"

# The sources this build compiles (the page's own, src/platform/Page.cpp,
# only the web build does).
mapfile -t sources < <(git ls-files 'src/*.cpp' |
  grep -F -x -f <(python3 -c 'import json, os, sys
for entry in json.load(open(sys.argv[1])):
    print(os.path.relpath(os.path.join(entry["directory"], entry["file"])))' "$build/compile_commands.json"))
# clang-tidy counts the warnings it suppressed on stderr; only that count
# is dropped, so that "Error while processing" and the like still show.
printf '%s\n' "${sources[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
    2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)
echo "clang-tidy: ${#sources[@]} sources clean"
