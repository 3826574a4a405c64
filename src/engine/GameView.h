// What the game tells whoever follows it, in the game's own terms: a cell, a
// score, the colour to move, the end of a game. The game keeps no text and
// knows nothing of how any of it is shown.
//
// Every call is made on the game's thread, one at a time, in the order in
// which things happen.
#pragma once

#include "engine/Int16.h"
#include "engine/Types.h"

#include <optional>

namespace tarnel {

class GameView
{
public:
    virtual ~GameView() = default;

    // Cell `index` (0..149) now holds `cell`.
    virtual void cellChanged(int index, const Cell& cell) = 0;

    // `colour` now has `points`: 0 when a field is laid out, the new score
    // after each of its moves.
    virtual void scoreChanged(Colour colour, Int16 points) = 0;

    // The colour to move: red when a field is laid out, the other colour
    // after each move, none from the end of a game until the next is laid
    // out. `after` is the move that handed the turn over, if one did.
    virtual void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) = 0;

    // The game is over with these scores. The view shows the result and
    // returns; once the player has closed it, the view calls
    // Game::closeResult and the next game is laid out. Until then the game
    // takes no move, whatever road it comes by.
    virtual void gameOver(Int16 redPoints, Int16 yellowPoints) = 0;
};

} // namespace tarnel
