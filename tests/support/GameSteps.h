// The steps of a move, one at a time, for tests that set a board up or
// check a step alone. The program itself only plays whole moves.
#pragma once

#include "engine/Game.h"

namespace tarnel::testing {

struct GameSteps
{
    static void DoeZet(Game& game, Int16 index) { game.DoeZet(index); }
    static void ScoreMove(Game& game, Int16 index) { game.ScoreMove(index); }
    static void WisselBeurt(Game& game) { game.WisselBeurt(); }
};

} // namespace tarnel::testing
