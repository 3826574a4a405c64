// The computer's three playing levels. Each routine chooses a free cell for
// the colour to move from the game as it stands, and returns its index; it
// changes nothing on the board. The computer player (ComputerPlayer.h) plays
// the cell.
//
// With no free cell on the board a routine returns std::nullopt.
#pragma once

#include "engine/Game.h"
#include "players/Lcg24.h"

#include <array>
#include <optional>

namespace tarnel {

// The form every level shares: the game as it stands and the program's
// generator in, the chosen cell out.
using PlayRoutine = std::optional<Int16> (*)(const Game& game, Lcg24& random);

// Idiot (level 0): a random free cell. Draws r from `random`, k =
// floor(r * 150), and draws again, one draw per try, until cell k is free.
std::optional<Int16> PlayIdiot(const Game& game, Lcg24& random);

// Smart (level 1): the first free cell, in index order, worth more than 7 to
// yellow; else the first worth more than 7 to red; else as the Idiot. The
// yellow scan always comes first, whichever colour the computer plays.
std::optional<Int16> PlaySmart(const Game& game, Lcg24& random);

// Genius (level 2): the best free cell for each colour (lowest index on a
// tie); its own colour's unless the opponent's best is worth strictly more.
// It draws no random number.
std::optional<Int16> PlayGenius(const Game& game, Lcg24& random);

// The routines by level: Idiot, Smart, Genius.
inline constexpr std::array kPlayRoutines{&PlayIdiot, &PlaySmart, &PlayGenius};
static_assert(kPlayRoutines.size() == level::kCount, "one play routine per level");

} // namespace tarnel
