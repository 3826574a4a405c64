#!/usr/bin/env bash
# A whole Computer vs Computer game, in instructions (callgrind counts them
# the same however loaded the machine is), for this tree and an earlier
# commit, side by side: the same driver (WholeGameDriver.cpp) built with
# the release flags against each one's engine and players.
#   bench/whole_game.sh [REV]        (default 5074b3d)
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-5074b3d}
games=200
work=$(mktemp -d)
trap 'git worktree remove --force "$work/old" 2>/dev/null || true; rm -rf "$work"' EXIT

# Each tree's engine and players, by its own build (Release: -O3).
build() { # SOURCE BUILD
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNEL_BUILD_UI=OFF \
    -DTARNEL_BUILD_TESTS=OFF -DTARNEL_BUILD_BENCH=OFF > /dev/null
  cmake --build "$2" --target tarnel_players > /dev/null
}
git worktree add --detach "$work/old" "$rev" > /dev/null 2>&1
build "$work/old" "$work/old-build"
build . "$work/new-build"
driver() { # BUILD SOURCE OUT
  local includes=(-I"$2/src")
  [[ -d $1/layers ]] && includes=(-I"$1/layers/engine" -I"$1/layers/players")
  g++ -std=c++20 -O3 -DNDEBUG "${includes[@]}" bench/WholeGameDriver.cpp \
    "$1/src/players/libtarnel_players.a" "$1/src/engine/libtarnel_engine.a" -o "$3"
}
driver "$work/old-build" "$work/old" "$work/old-driver"
driver "$work/new-build" . "$work/new-driver"

instructions() { # PROGRAM LEVEL GAMES
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -nE 's/.*Collected : ([0-9]+).*/\1/p'
}
printf '%-8s %12s %12s %8s\n' level "$rev" HEAD change
for level in 0 1 2; do
  per_game=()
  for program in "$work/old-driver" "$work/new-driver"; do
    all=$(instructions "$program" "$level" "$games")
    setup=$(instructions "$program" "$level" 0)
    per_game+=($(((all - setup) / games)))
  done
  printf '%-8s %12d %12d %+7.1f%%\n' "$(sed -n "$((level + 1))p" <<< $'Idiot\nSmart\nGenius')" \
    "${per_game[0]}" "${per_game[1]}" \
    "$(echo "scale=3; (${per_game[1]} - ${per_game[0]}) * 100 / ${per_game[0]}" | bc)"
done
