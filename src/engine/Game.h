// The game engine: the board of 150 cells, laying out a field, taking and
// scoring moves, the turn cycle and the end of a game.
//
// Game owns the board and the game state. Everything it changes is told to
// its GameView, in the game's own terms; the view is borrowed and must
// outlive the game, and so must the field tables. All calls happen on one
// thread, one at a time.
//
// A move is played whole by playMove: the cell is taken, scored, the turn
// handed over and, on a full board, the game ended. The steps it is made of
// are private, so that the rule "red's cells minus yellow's is the colour to
// move" cannot be broken from outside; the tests reach them one at a time
// through testing::GameSteps.
#pragma once

#include "engine/FieldTables.h"
#include "engine/GameState.h"
#include "engine/GameView.h"
#include "engine/Int16.h"
#include "engine/Types.h"

#include <array>
#include <optional>

namespace tarnel {

namespace testing {
struct GameSteps;
}

// The colour of a CurrentPlayer value (0 red, anything else yellow).
constexpr Colour colourOf(Int16 player)
{
    return player == 0 ? Colour::Red : Colour::Yellow;
}

class Game
{
public:
    Game(GameView& view, const FieldTables& tables);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Lays out field type 1..5 and starts a new game with red to move.
    // Changes neither the players nor FieldType.
    void NewField(Int16 fieldType);
    // A new game on the current field type.
    void newGame() { NewField(state_.FieldType); }

    // Plays a move on free cell `index` for the colour to move: takes the
    // cell (DoeZet), scores it (ScoreMove), hands the turn over
    // (WisselBeurt) and, when no free cell is left, ends the game
    // (GameOver). The one road of every move, a person's or the computer's.
    // A move on a cell that is not free, visible and enabled (or not on the
    // board) is refused and changes nothing: a full board takes none.
    void playMove(Int16 index);

    // Adds the value of a move on `index` for the colour of picture `tek`
    // (red or yellow) to `punten` and returns the new `punten`. Changes
    // nothing on the board.
    Int16 KijkRond(Int16& punten, const Int16& index, Picture tek) const;
    // True when no visible free cell is left. Constant time: the count of
    // visible free cells is kept as cells change.
    bool BordVol() const { return openCount_ == 0; }

    // Settings; none of them starts a game.
    void setPlayer(Colour colour, Int16 isComputer, Int16 level);
    void setFieldType(Int16 fieldType);

    const GameState& state() const { return state_; }
    const Cell& cell(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
    const std::array<Cell, kCellCount>& cells() const { return cells_; }
    // The colour to move (CurrentPlayer); none once the board is full,
    // until the next field is laid out.
    std::optional<Colour> toMove() const
    {
        return BordVol() ? std::nullopt : std::optional(colourOf(state_.CurrentPlayer));
    }

    // Fast queries for the computer players.
    // Free by owner picture alone (hidden cells carry Blue).
    bool isFree(int index) const
    {
        return cells_[static_cast<std::size_t>(index)].owner == Picture::Gray;
    }
    // Number of cells whose owner picture is Gray.
    int freeCount() const { return freeCount_; }
    // The value KijkRond would give a move on `index` for `colour`, kept up
    // to date move by move.
    Int16 moveValue(Colour colour, int index) const
    {
        return values_[colourSlot(colour)][static_cast<std::size_t>(index)];
    }

private:
    friend struct testing::GameSteps;

    // The steps of a move, in playMove's order.
    // Takes cell `i` for the colour to move. Does not score or change turns.
    void DoeZet(const Int16& i);
    // Scores the move just made on `index` for the colour to move; nothing
    // while a field is being laid out.
    void ScoreMove(Int16 index);
    // Hands the turn over to the other colour, and tells the view which
    // move did so (the cell taken last in this game, if any).
    void WisselBeurt();
    // Tells the view that nobody is to move and that the game is over.
    void GameOver();

    void setOwner(int index, Picture owner);
    void notifyCell(int index);

    GameView& view_;
    const FieldTables& tables_;
    GameState state_;
    std::array<Cell, kCellCount> cells_{};
    int lastTaken_ = -1; // the cell taken last in this game
    std::array<std::array<Int16, kCellCount>, 2> values_{};
    int freeCount_ = 0; // owner Gray
    int openCount_ = 0; // visible and owner Gray
};

// The picture of a colour's cells.
constexpr Picture pictureOf(Colour colour)
{
    return colour == Colour::Red ? Picture::red : Picture::yellow;
}

} // namespace tarnel
