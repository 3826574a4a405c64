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

    // Field type `fieldType` is being laid out for a new game: the cells,
    // scores and turn told next are the new game's.
    virtual void newField(Int16 fieldType) = 0;

    // Cell `index` (0..149) now holds `cell`.
    virtual void cellChanged(int index, const Cell& cell) = 0;

    // `colour` now has `points`: 0 when a field is laid out, the new score
    // after each of its moves.
    virtual void scoreChanged(Colour colour, Int16 points) = 0;

    // The colour to move: red when a field is laid out, the other colour
    // after each move, none from the end of a game until the next is laid
    // out. `after` is the move that handed the turn over, if one did.
    virtual void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) = 0;

    // The game is over with these scores: the board is full, and no move
    // can be taken until another field is laid out.
    virtual void gameOver(Int16 redPoints, Int16 yellowPoints) = 0;
};

} // namespace tarnel
