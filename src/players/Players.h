// The computer's three playing levels. Each routine plays one move for the
// colour to move: it chooses a free cell, takes it with DoeZet and returns
// its index. It does not score the move or change the turn; the caller does.
//
// With no free cell on the board a routine makes no move and returns
// std::nullopt.
#pragma once

#include "Game.h"

#include <optional>

namespace tarnel {

// Idiot (level 0): a random free cell. Draws r from the program's generator,
// k = floor(r * 150), and draws again until cell k is free.
std::optional<Int16> PlayIdiot(Game& game);

// Smart (level 1): the first free cell, in index order, worth more than 7 to
// yellow; else the first worth more than 7 to red; else as the Idiot. The
// yellow scan always comes first, whichever colour the computer plays.
std::optional<Int16> PlaySmart(Game& game);

// Genius (level 2): the best free cell for each colour (lowest index on a
// tie); its own colour's unless the opponent's best is worth strictly more.
std::optional<Int16> PlayGenius(Game& game);

} // namespace tarnel
