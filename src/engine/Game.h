// The game engine: the board of 150 cells, laying out a field, taking and
// scoring moves, the turn cycle and the end of a game.
//
// Game owns the board, the game state and the program's one random
// generator. Everything it changes is told to its GameView, which shows it;
// the view is borrowed and must outlive the game, and so must the field
// tables. All calls happen on the user-interface thread.
#pragma once

#include "FieldTables.h"
#include "GameState.h"
#include "GameView.h"
#include "Int16.h"
#include "Lcg24.h"
#include "Types.h"

#include <array>
#include <optional>

namespace tarnel {

class Game
{
public:
    Game(GameView& view, const FieldTables& tables);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Lays out field type 1..5 and starts a new game with red to move.
    // Does not touch the players, FieldType or the menus.
    void NewField(Int16 fieldType);
    // A new game on the current field type, as "New game" starts it.
    void newGame() { NewField(state_.FieldType); }

    // A person clicks button `index`. Hidden and disabled buttons (and
    // indices off the board) raise nothing; otherwise the button's pressed
    // state flips and the click handler runs.
    void pressCell(int index);
    // The click handler of the board: refuses the click in Computer vs
    // Computer or while a field is being laid out; otherwise it is a move for
    // the colour to move.
    void onCellClicked(Int16 index);

    // Takes cell `i` for the colour to move. Does not score or change turns.
    void DoeZet(const Int16& i);
    // Adds the value of a move on `index` for the colour of picture `tek`
    // (red or yellow) to `punten` and returns the new `punten`.
    Int16 KijkRond(Int16& punten, const Int16& index, Picture tek) const;
    // Scores the move just made on `index` for the colour to move.
    void ScoreMove(Int16 index);
    // Hands the turn over to the other colour, and tells the view which
    // move did so (the cell taken last in this game, if any).
    void WisselBeurt();
    // True when no visible free cell is left. Constant time: the count of
    // visible free cells is kept as cells change.
    bool BordVol() const { return openCount_ == 0; }
    // Tells the view that nobody is to move and that the game is over (the
    // view shows the result modally), then starts the next game.
    void GameOver();

    // The closing steps of every move, a person's or the computer's:
    // ScoreMove, WisselBeurt, and GameOver when the board is full.
    void finishMove(Int16 index);

    // Settings written by the menus; none of them starts a game.
    void setPlayer(Colour colour, Int16 isComputer, Int16 level);
    void setFieldType(Int16 fieldType);
    void setComputerVsComputer(bool on) { state_.computerVsComputer = on; }

    const GameState& state() const { return state_; }
    const Cell& cell(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
    const std::array<Cell, kCellCount>& cells() const { return cells_; }
    // The colour the indicators show to move; none while a result is shown.
    std::optional<Colour> toMove() const { return toMove_; }

    // The program's one pseudo-random sequence: started once, never
    // reseeded, running on across games, fields, modes and levels.
    Lcg24& random() { return random_; }
    const Lcg24& random() const { return random_; }

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
    void setOwner(int index, Picture owner);
    void setToMove(std::optional<Colour> colour, std::optional<Move> after);
    void notifyCell(int index);

    GameView& view_;
    const FieldTables& tables_;
    GameState state_;
    Lcg24 random_;
    std::array<Cell, kCellCount> cells_{};
    std::optional<Colour> toMove_ = Colour::Red;
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

// The colour of a CurrentPlayer value (0 red, anything else yellow).
constexpr Colour colourOf(Int16 player)
{
    return player == 0 ? Colour::Red : Colour::Yellow;
}

} // namespace tarnel
