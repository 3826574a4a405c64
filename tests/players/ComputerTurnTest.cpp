// The computer's turn on a timer tick, and whole games that follow one
// another.
#include "players/ComputerPlayer.h"
#include "players/Players.h"
#include "support/GameFixture.h"
#include "support/GameSteps.h"

namespace tarnel::testing {
namespace {

// The playing routines as plainly described: fresh KijkRond values, no
// caches. The fast routines must choose exactly what these choose.
int referenceChoice(const Game& game, Int16 level)
{
    auto value = [&](int k, Picture tek) {
        Int16 points = 0;
        return game.KijkRond(points, static_cast<Int16>(k), tek);
    };
    if (level == level::Smart) {
        for (const Picture tek : {Picture::yellow, Picture::red}) {
            for (int k = 0; k < kCellCount; ++k) {
                if (game.cell(k).owner == Picture::Gray && value(k, tek) > 7) {
                    return k;
                }
            }
        }
        return -1; // random: not predicted here
    }
    Int16 bestYellow = 0, yellowIndex = 0, bestRed = 0, redIndex = 0;
    for (int k = 0; k < kCellCount; ++k) {
        if (game.cell(k).owner == Picture::Gray && value(k, Picture::yellow) > bestYellow) {
            bestYellow = value(k, Picture::yellow);
            yellowIndex = static_cast<Int16>(k);
        }
    }
    for (int k = 0; k < kCellCount; ++k) {
        if (game.cell(k).owner == Picture::Gray && value(k, Picture::red) > bestRed) {
            bestRed = value(k, Picture::red);
            redIndex = static_cast<Int16>(k);
        }
    }
    if (game.state().CurrentPlayer == 1) {
        return bestRed > bestYellow ? redIndex : yellowIndex;
    }
    return bestYellow > bestRed ? yellowIndex : redIndex;
}

using TickTest = GameFixture;

TEST_F(TickTest, NeverMovesForAPerson)
{
    game.setPlayer(Colour::Red, 0, level::Genius);
    game.setPlayer(Colour::Yellow, 0, level::Genius);
    for (int tick = 0; tick < 5; ++tick) {
        EXPECT_FALSE(computer.play(game));
    }
    game.setPlayer(Colour::Red, 2, level::Genius); // only exactly 1 means the computer
    EXPECT_FALSE(computer.play(game));
    EXPECT_EQ(game.freeCount(), 136);
}

TEST_F(TickTest, MakesNoMoveOnAFullBoardAndRefusesAnUnknownLevel)
{
    game.setPlayer(Colour::Red, 1, level::kCount);
    EXPECT_THROW(computer.play(game), std::out_of_range) << "never a silent pass";
    game.setPlayer(Colour::Red, 1, level::Genius);
    for (int i = 0; i < kCellCount; ++i) {
        if (game.isFree(i)) {
            GameSteps::DoeZet(game, static_cast<Int16>(i)); // full, and no result shown
        }
    }
    EXPECT_FALSE(computer.play(game));
}

TEST_F(TickTest, HumanVsComputerAnswersOnTheNextTick)
{
    EXPECT_FALSE(computer.play(game)) << "red, a person, is to move";
    game.playMove(0);
    EXPECT_TRUE(computer.play(game));
    EXPECT_EQ(game.state().CurrentPlayer, 0);
    EXPECT_EQ(game.state().YellowPoints, 1);
    EXPECT_EQ(view.toMove, Colour::Red);
    EXPECT_FALSE(computer.play(game));
    EXPECT_TRUE(invariantsHold(game));
}

TEST_F(TickTest, AClickBeforeTheTickPlaysForTheComputersColour)
{
    game.playMove(0);
    game.playMove(1); // yellow's move, made by the person
    EXPECT_EQ(game.cell(1).owner, Picture::yellow);
    EXPECT_FALSE(computer.play(game)) << "red is to move again";
    EXPECT_TRUE(invariantsHold(game));
}

TEST_F(TickTest, MakesNoMoveWhileTheResultIsOpen)
{
    // Human vs computer: red takes the last cell; ticks keep coming while
    // the result is open, with the computer's yellow to move.
    chooseField(field::Standard);
    for (int i = 0; i < kCellCount - 1; ++i) {
        GameSteps::DoeZet(game, static_cast<Int16>(i));
        GameSteps::WisselBeurt(game);
    }
    // 149 cells taken alternately; red, a person, takes the last one.
    GameSteps::WisselBeurt(game); // give the turn to red without a move
    ASSERT_EQ(game.state().CurrentPlayer, 0);
    game.playMove(149);
    ASSERT_EQ(game.state().CurrentPlayer, 1);
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_FALSE(computer.play(game));
    }
    // Nor does any other road: a full board takes no move until the next
    // field is laid out.
    const auto cells = game.cells();
    game.playMove(0);
    game.playMove(0);
    EXPECT_EQ(game.cells(), cells);
    EXPECT_EQ(game.state().CurrentPlayer, 1);
    EXPECT_EQ(view.results.size(), 1U);
    game.newGame();
    EXPECT_EQ(game.state().CurrentPlayer, 0);
    EXPECT_EQ(game.freeCount(), kCellCount);
}

TEST_F(TickTest, SameEventsPlayTheSameCells)
{
    auto playRun = [](std::vector<int>& cells) {
        RecordingView runView;
        FieldTables runTables;
        runTables.buildAll();
        Game runGame(runView, runTables);
        ComputerPlayer runComputer;
        MenuState runMenus(runGame);
        runMenus.load();
        runGame.setPlayer(Colour::Yellow, 1, level::Idiot);
        runGame.newGame();
        for (int move = 0; move < 6; ++move) {
            int click = 0;
            while (!runGame.isFree(click)) {
                click = (click + 7) % kCellCount; // a person clicking through the board
            }
            runGame.playMove(static_cast<Int16>(click));
            const auto before = runGame.cells();
            runComputer.play(runGame);
            for (int i = 0; i < kCellCount; ++i) {
                if (before[static_cast<std::size_t>(i)] != runGame.cell(i)) {
                    cells.push_back(i);
                }
            }
        }
    };
    std::vector<int> first;
    std::vector<int> second;
    playRun(first);
    playRun(second);
    EXPECT_EQ(first.size(), 6U);
    EXPECT_EQ(first, second);
}

struct MatchCase
{
    Int16 redLevel;
    Int16 yellowLevel;
    Int16 fieldType;
};

class ComputerVsComputerTest : public GameFixture, public ::testing::WithParamInterface<MatchCase>
{
};

// Whole games at every level on every field: every move keeps the
// invariants, Smart and Genius choose what the plain scans choose, each game
// ends with its result and the next game starts on the same field.
TEST_P(ComputerVsComputerTest, GamesPlayThemselvesOneAfterAnother)
{
    const MatchCase match = GetParam();
    game.setPlayer(Colour::Red, 1, match.redLevel);
    game.setPlayer(Colour::Yellow, 1, match.yellowLevel);
    chooseField(match.fieldType);
    const int cellsInPlay = kCellCount - outOfPlayCount(match.fieldType);

    for (int gameNumber = 1; gameNumber <= 2; ++gameNumber) {
        for (int move = 0; move < cellsInPlay; ++move) {
            const Int16 mover = game.state().CurrentPlayer;
            ASSERT_EQ(mover, move % 2) << "red moves first, then turns alternate";
            const Int16 level = game.state().Players[static_cast<std::size_t>(mover)].Level;
            const int expected = level == level::Idiot ? -1 : referenceChoice(game, level);
            const auto before = game.cells();
            ASSERT_TRUE(computer.play(game));
            if (move + 1 < cellsInPlay) {
                ASSERT_TRUE(invariantsHold(game)) << "move " << move;
                if (expected >= 0) {
                    EXPECT_NE(before[static_cast<std::size_t>(expected)], game.cell(expected))
                        << "move " << move << " should take " << expected;
                }
            }
        }
        ASSERT_EQ(view.results.size(), static_cast<std::size_t>(gameNumber));
        EXPECT_FALSE(computer.play(game)) << "no move on a full board";
        game.newGame(); // as the result's closing does
        EXPECT_EQ(game.freeCount(), cellsInPlay) << "the next game is laid out";
        EXPECT_EQ(game.state().CurrentPlayer, 0);
        EXPECT_TRUE(invariantsHold(game));
        EXPECT_TRUE(mirrorMatches(game, view));
    }
}

std::vector<MatchCase> allMatches()
{
    std::vector<MatchCase> cases;
    for (Int16 fieldType = field::Standard; fieldType <= field::Impossible; ++fieldType) {
        for (Int16 red = level::Idiot; red <= level::Genius; ++red) {
            for (Int16 yellow = level::Idiot; yellow <= level::Genius; ++yellow) {
                cases.push_back({red, yellow, fieldType});
            }
        }
    }
    return cases;
}

std::string matchName(const ::testing::TestParamInfo<MatchCase>& info)
{
    static const std::array<const char*, 3> names{"Idiot", "Smart", "Genius"};
    const auto name = [](Int16 level) { return names.at(static_cast<std::size_t>(level)); };
    return std::string(name(info.param.redLevel)) + "Vs" + name(info.param.yellowLevel) + "Field" +
           std::to_string(info.param.fieldType);
}

INSTANTIATE_TEST_SUITE_P(EveryLevelEveryField, ComputerVsComputerTest,
                         ::testing::ValuesIn(allMatches()), matchName);

} // namespace
} // namespace tarnel::testing
