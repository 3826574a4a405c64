// The texts the game shows: score captions, the result of a game and the
// answers of the score buttons.
#pragma once

#include "Int16.h"
#include "Types.h"

#include <string>

namespace tarnel {

// "Red has 0 points": the caption a new field starts with (always plural).
std::string startCaption(Colour colour);

// The caption after a move: "point" for 1 or less, "points" above.
std::string scoreCaption(Colour colour, Int16 points);

// The message at the end of a game: the heading "G A M E  O V E R", then
// LF CR LF CR, then who won.
std::string resultMessage(Int16 redPoints, Int16 yellowPoints);

// How `asking` stands against the other colour, as the score buttons say it.
std::string scoreEnquiry(Colour asking, Int16 redPoints, Int16 yellowPoints);

} // namespace tarnel
