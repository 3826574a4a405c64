// Shared helpers for the headless engine and player tests.
#pragma once

#include "engine/FieldTables.h"
#include "engine/Game.h"
#include "menus/MenuState.h"
#include "players/ComputerPlayer.h"
#include "support/RecordingView.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace tarnel::testing {

using menus::MenuItem;
using menus::MenuState;

// Checks everything that must hold between any two events of a game:
//  - every cell is in exactly one of the four states (free, red, yellow, out
//    of play), and the out-of-play count is the layout's;
//  - #red - #yellow == CurrentPlayer;
//  - each score equals n + 4 * (side-touching pairs) + 2 * (corner-touching
//    pairs) of that colour's cells, whatever the order of the moves was;
//  - the engine's cached move values and free count agree with the board.
::testing::AssertionResult invariantsHold(const Game& game);

// Also checks that the view shows exactly what the engine holds.
::testing::AssertionResult mirrorMatches(const Game& game, const RecordingView& view);

// The menu rules that hold after every choice: one check mark in each group,
// a level submenu enabled exactly when the computer plays its colour, Help
// disabled exactly in Computer vs Computer, the checked level and field
// those of the game.
::testing::AssertionResult menuRulesHold(const MenuState& menus, const GameState& state);

// The board as ten rows of fifteen characters, top row first: '.' a free
// cell, 'R' red, 'Y' yellow, '#' out of play.
std::vector<std::string> boardRows(const Game& game);

// Number of cells the layout of `fieldType` takes out of play.
int outOfPlayCount(Int16 fieldType);

// A game on a recording view with built tables, the computer player and
// the menu rules, loaded
// as the program loads it (Human vs computer, yellow Smart, Normal field).
class GameFixture : public ::testing::Test
{
protected:
    GameFixture();

    // Lays out `fieldType` as the Field menu does.
    void chooseField(Int16 fieldType);
    // Places moves directly: red on `redCells`, yellow on `yellowCells`,
    // without scoring or turn changes. Leaves red to move.
    void place(std::initializer_list<int> redCells, std::initializer_list<int> yellowCells);
    // Value of a move on `index` for `colour` as KijkRond computes it.
    Int16 valueFor(Colour colour, int index) const;

    RecordingView view;
    FieldTables tables;
    Game game;
    ComputerPlayer computer;
    MenuState menus{game};
};

} // namespace tarnel::testing
