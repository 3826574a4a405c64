// What the game tells whoever shows it, in the game's own terms. The view
// decides how each thing looks, formats every text and moves the keyboard
// focus; the game keeps no text and knows nothing of windows.
//
// Every call is made on the user-interface thread, one at a time, in the
// order in which things happen.
#pragma once

#include "Int16.h"
#include "Types.h"

#include <optional>

namespace tarnel {

// A move: the cell taken and the colour that took it.
struct Move
{
    int index = 0;
    Colour colour = Colour::Red;

    friend bool operator==(const Move&, const Move&) = default;
};

class GameView
{
public:
    virtual ~GameView() = default;

    // Cell `index` (0..149) now holds `cell`.
    virtual void cellChanged(int index, const Cell& cell) = 0;

    // `colour` now has `points`: 0 when a field is laid out, the new score
    // after each of its moves.
    virtual void scoreChanged(Colour colour, Int16 points) = 0;

    // The colour to move, shown by the turn indicators: red when a field is
    // laid out, the other colour after each move, none while the result of
    // a game is shown. `after` is the move that handed the turn over, if
    // one did; the keyboard focus follows such a hand-over.
    virtual void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) = 0;

    // The game is over with these scores: show the result modally and
    // return once it has been closed. Other events, timer ticks in
    // particular, may be delivered meanwhile.
    virtual void gameOver(Int16 redPoints, Int16 yellowPoints) = 0;
};

} // namespace tarnel
