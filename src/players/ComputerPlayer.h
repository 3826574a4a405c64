// The computer's side of the game: the three playing levels and the
// program's one random generator, which only they draw from. It lives as
// long as the program, beside the game it plays in, so the generator runs on
// across games, fields, modes and levels and is never reseeded.
#pragma once

#include "engine/Game.h"
#include "players/Lcg24.h"

namespace tarnel {

class ComputerPlayer
{
public:
    // One turn, asked for at a steady pace: when the computer plays the
    // colour to move (IsComputer exactly 1), the routine of its level
    // chooses a cell and the game plays it. Makes at most one move and
    // returns whether it made one. Throws std::out_of_range for a level
    // that has no routine.
    //
    // A full board gets no move: no routine finds a cell (nor draws a
    // number), and the game takes none.
    bool play(Game& game);

    const Lcg24& random() const { return random_; }

private:
    Lcg24 random_;
};

} // namespace tarnel
