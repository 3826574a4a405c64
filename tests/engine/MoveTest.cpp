// Moves, scoring, the click road and the turn cycle.
#include "support/GameFixture.h"
#include "support/GameSteps.h"

namespace tarnel::testing {
namespace {

class ScoringTest : public GameFixture
{
protected:
    ScoringTest() { chooseField(field::Standard); }
};

TEST_F(ScoringTest, ValuesSidesFourAndCornersTwoWithoutWrappingRows)
{
    place({1, 15, 16}, {});
    EXPECT_EQ(valueFor(Colour::Red, 0), 11);

    game.newGame();
    place({13, 28}, {29});
    EXPECT_EQ(valueFor(Colour::Red, 14), 7) << "yellow's cell adds nothing";

    game.newGame();
    place({14}, {});
    EXPECT_EQ(valueFor(Colour::Red, 15), 1) << "the end of row 0 does not touch row 1's start";
    EXPECT_EQ(valueFor(Colour::Red, 29), 5);
    EXPECT_EQ(valueFor(Colour::Red, 30), 1);

    game.newGame();
    place({134, 148, 133}, {});
    EXPECT_EQ(valueFor(Colour::Red, 149), 11);

    game.newGame();
    place({50, 51, 52, 65, 67, 80, 81, 82}, {});
    EXPECT_EQ(valueFor(Colour::Red, 66), 25);
    EXPECT_EQ(valueFor(Colour::Yellow, 66), 1);
}

TEST_F(ScoringTest, OutOfPlayNeighboursCountNothing)
{
    chooseField(field::Easy);
    EXPECT_EQ(valueFor(Colour::Red, 33), 1);
    EXPECT_EQ(valueFor(Colour::Yellow, 33), 1);
}

TEST_F(ScoringTest, KijkRondAddsToPuntenAndDetectsOverflow)
{
    place({1}, {});
    Int16 points = 100;
    EXPECT_EQ(game.KijkRond(points, 0, Picture::red), 105);
    EXPECT_EQ(points, 105);

    Int16 nearLimit = 32767;
    EXPECT_THROW((void)game.KijkRond(nearLimit, 0, Picture::red), std::overflow_error);
    EXPECT_THROW((void)checkedAdd(-32768, -1), std::overflow_error);
    EXPECT_THROW((void)checkedSub(-32768, 1), std::overflow_error);
    EXPECT_EQ(checkedSub(1, 0), 1);
}

TEST_F(ScoringTest, EachMoveTellsTheViewItsColoursNewScore)
{
    game.playMove(0);
    EXPECT_EQ(view.scores, (std::array<Int16, 2>{1, 0}));
    game.playMove(100);
    EXPECT_EQ(view.scores, (std::array<Int16, 2>{1, 1}));
    game.playMove(1);
    EXPECT_EQ(view.scores, (std::array<Int16, 2>{6, 1}));
    EXPECT_TRUE(invariantsHold(game));
}

using ClickTest = GameFixture;

TEST_F(ClickTest, APersonsClickTakesScoresAndHandsOverTheTurn)
{
    game.playMove(0);
    const Cell& taken = game.cell(0);
    EXPECT_EQ(taken.owner, Picture::red);
    EXPECT_FALSE(taken.enabled);
    EXPECT_EQ(game.state().RedPoints, 1);
    EXPECT_EQ(game.state().CurrentPlayer, 1);
    EXPECT_EQ(view.toMove, Colour::Yellow);
    EXPECT_EQ(view.lastHandOver, (Move{0, Colour::Red})) << "the view hears which move it was";

    // Human vs computer: a click before the tick is yellow's move.
    game.playMove(1);
    EXPECT_EQ(game.cell(1).owner, Picture::yellow);
    EXPECT_EQ(game.state().YellowPoints, 1);
    EXPECT_EQ(game.state().CurrentPlayer, 0);
    EXPECT_EQ(view.toMove, Colour::Red);
    EXPECT_EQ(view.lastHandOver, (Move{1, Colour::Yellow}));
    EXPECT_TRUE(invariantsHold(game));
    EXPECT_TRUE(mirrorMatches(game, view));
}

TEST_F(ClickTest, TakingATakenCellAgainKeepsTheBoardConsistent)
{
    // Callers pass free cells only; should one not, the cached values must
    // still follow the owners.
    GameSteps::DoeZet(game, 60);
    GameSteps::DoeZet(game, 60);
    GameSteps::WisselBeurt(game);
    GameSteps::DoeZet(game, 60);
    EXPECT_EQ(game.cell(60).owner, Picture::yellow);
    EXPECT_EQ(game.moveValue(Colour::Red, 61), 1);
    EXPECT_EQ(game.moveValue(Colour::Yellow, 61), 5);
    EXPECT_EQ(game.freeCount(), 135);
}

TEST_F(ClickTest, TakenHiddenAndOffBoardButtonsRaiseNothing)
{
    game.playMove(0);
    const auto before = game.cells();
    game.playMove(0);   // taken: disabled
    game.playMove(32);  // out of play on Normal: hidden
    game.playMove(-1);  // not a button
    game.playMove(150); // not a button
    for (const Int16 index : std::initializer_list<Int16>{0, 32, -1, 150}) {
        game.playMove(index); // nor a move played on one of them
    }
    EXPECT_EQ(before, game.cells());
    EXPECT_EQ(game.state().CurrentPlayer, 1);
    EXPECT_TRUE(invariantsHold(game));
}

TEST_F(ClickTest, ScoreMoveDoesNothingWhileAFieldIsLaidOut)
{
    // ScoreMove is reached from inside NewField through a view callback.
    // Looked at right after the call, inside the callback: the new field
    // sets both scores to 0 later.
    bool tried = false;
    view.afterCellChanged = [&](int index, const Cell&) {
        if (game.state().GameLocked && !tried) {
            tried = true;
            const GameState before = game.state();
            GameSteps::ScoreMove(game, static_cast<Int16>(index));
            EXPECT_EQ(game.state().RedPoints + game.state().YellowPoints,
                      before.RedPoints + before.YellowPoints);
        }
    };
    game.newGame();
    EXPECT_TRUE(tried);
}

} // namespace
} // namespace tarnel::testing
