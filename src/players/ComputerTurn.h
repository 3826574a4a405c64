// The computer's turn, run on every tick of the main window's timer.
#pragma once

#include "Game.h"

namespace tarnel {

// One tick: when the computer plays the colour to move (IsComputer exactly
// 1), the routine of its level chooses a cell, which is taken with DoeZet,
// scored, the turn handed over and the end of the game tested. Makes at
// most one move and returns whether it made one.
//
// A tick that finds the board full returns at once: ticks may arrive while
// the result of a game is still on screen, and no move may start then.
bool computerTurnTick(Game& game);

} // namespace tarnel
