// The three playing levels.
#include "players/Players.h"

#include "players/Lcg24.h"
#include "support/GameFixture.h"
#include "support/GameSteps.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace tarnel::testing {
namespace {

TEST(Lcg24, StartsFromItsFixedStateAndHasFullPeriod)
{
    Lcg24 random;
    EXPECT_NEAR(random.next(), 0.7055475, 1e-7);
    EXPECT_NEAR(random.next(), 0.533424, 1e-6);
    EXPECT_NEAR(random.next(), 0.5795186, 1e-7);

    // A full period is what guarantees the Idiot's search ends: every state,
    // and so every cell index, comes up once per cycle.
    Lcg24 cycle;
    const std::uint32_t start = cycle.state();
    std::uint32_t steps = 0;
    double lowest = 1.0;
    double highest = 0.0;
    do {
        const double r = cycle.next();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        ++steps;
    } while (cycle.state() != start && steps <= (1U << 24));
    EXPECT_EQ(steps, 1U << 24);
    EXPECT_EQ(lowest, 0.0);
    EXPECT_LT(highest, 1.0);
}

class PlayerTest : public GameFixture
{
protected:
    PlayerTest() { chooseField(field::Standard); }

    Lcg24 random; // as the computer player's, from its first draw

    // The routine's choice for the colour to move, taken as the computer's
    // turn takes it, without scoring or a turn change.
    std::optional<Int16> play(PlayRoutine routine)
    {
        const std::optional<Int16> choice = routine(game, random);
        if (choice) {
            GameSteps::DoeZet(game, *choice);
        }
        return choice;
    }

    // Takes every free cell but `keep` for red, leaving the turn with red.
    void fillAllBut(std::initializer_list<int> keep)
    {
        for (int i = 0; i < kCellCount; ++i) {
            if (game.isFree(i) && std::find(keep.begin(), keep.end(), i) == keep.end()) {
                GameSteps::DoeZet(game, static_cast<Int16>(i));
            }
        }
    }
};

TEST_F(PlayerTest, IdiotPlaysTheGeneratorsCellAndDrawsAgainOnATakenOne)
{
    const auto before = game.cells();
    EXPECT_EQ(PlayIdiot(game, random), 105) << "floor(0.7055475 * 150)";
    EXPECT_EQ(before, game.cells()) << "a routine chooses and takes nothing";
    EXPECT_EQ(play(PlayIdiot), 80) << "floor(0.533424 * 150)";

    // The third draw, 0.5795186, names 86; with 86 taken the fourth draw
    // decides.
    GameSteps::DoeZet(game, 86);
    Lcg24 ahead = random;
    (void)ahead.next();
    const int fourth = static_cast<int>(ahead.next() * kCellCount);
    EXPECT_EQ(PlayIdiot(game, random), fourth);
}

TEST_F(PlayerTest, IdiotDrawsAgainOnACellOutOfPlay)
{
    chooseField(field::Impossible);
    // Run the generator up to the first draw that names a hidden cell.
    Lcg24 probe = random;
    int skipped = 0;
    while (game.cell(static_cast<int>(probe.next() * kCellCount)).visible) {
        ++skipped;
    }
    for (int k = 0; k < skipped; ++k) {
        (void)random.next();
    }
    Lcg24 after = probe;
    int expected = static_cast<int>(after.next() * kCellCount);
    while (!game.isFree(expected)) {
        expected = static_cast<int>(after.next() * kCellCount);
    }
    EXPECT_EQ(PlayIdiot(game, random), expected);
    EXPECT_EQ(random.state(), after.state()) << "one draw per try";
}

TEST_F(PlayerTest, EveryLevelPlaysTheOneFreeCellLeft)
{
    for (const PlayRoutine routine : kPlayRoutines) {
        game.newGame();
        fillAllBut({77});
        EXPECT_EQ(play(routine), 77);
        EXPECT_EQ(game.freeCount(), 0);
    }
}

TEST_F(PlayerTest, NoLevelMovesOnAFullBoard)
{
    fillAllBut({});
    const auto before = game.cells();
    EXPECT_EQ(play(PlayIdiot), std::nullopt);
    EXPECT_EQ(play(PlaySmart), std::nullopt);
    EXPECT_EQ(play(PlayGenius), std::nullopt);
    EXPECT_EQ(before, game.cells());
}

TEST_F(PlayerTest, IdiotNeverPlaysOutOfPlayCells)
{
    chooseField(field::Impossible);
    std::set<int> played;
    for (int move = 0; move < kCellCount - 24; ++move) {
        const auto index = play(PlayIdiot);
        ASSERT_TRUE(index.has_value());
        EXPECT_TRUE(game.cell(*index).visible) << *index;
        EXPECT_TRUE(played.insert(*index).second) << "played twice: " << *index;
        GameSteps::WisselBeurt(game);
    }
    EXPECT_EQ(play(PlayIdiot), std::nullopt);
}

TEST_F(PlayerTest, SmartTakesNineButNeverSeven)
{
    // Cell 61 between yellow 60 and 62 is worth 9 to yellow; cell 17 with
    // yellow on 16 (side) and 3 (corner) is worth only 7.
    place({}, {60, 62, 16, 3});
    ASSERT_EQ(valueFor(Colour::Yellow, 61), 9);
    ASSERT_EQ(valueFor(Colour::Yellow, 2), 7);
    EXPECT_EQ(play(PlaySmart), 61);

    // With only 7s about, nothing passes and the Idiot's draw decides.
    game.newGame();
    place({}, {16, 3});
    ASSERT_EQ(valueFor(Colour::Yellow, 17), 7);
    EXPECT_EQ(play(PlaySmart), 105) << "nothing passes: the Idiot's draw";
}

TEST_F(PlayerTest, SmartScansYellowFirstWhicheverSideItPlays)
{
    // Red's strong cell 16 (between red 15 and 17) has the lower index than
    // yellow's strong cell 121 (between yellow 120 and 122).
    for (const Int16 side : {Int16{0}, Int16{1}}) {
        game.newGame();
        place({15, 17}, {120, 122});
        if (side == 1) {
            GameSteps::WisselBeurt(game);
        }
        EXPECT_EQ(play(PlaySmart), 121) << "computer plays " << side;
    }
    // With no strong yellow cell, red's lowest strong cell is taken.
    game.newGame();
    place({15, 17, 90, 92}, {});
    EXPECT_EQ(play(PlaySmart), 16);
}

TEST_F(PlayerTest, GeniusOpensOnCellZeroAndAnswersOnCellOne)
{
    EXPECT_EQ(play(PlayGenius), 0);
    GameSteps::ScoreMove(game, 0);
    GameSteps::WisselBeurt(game);
    EXPECT_EQ(play(PlayGenius), 1) << "1 and 15 are worth 5 to red; the lower index wins";
}

TEST_F(PlayerTest, GeniusBreaksTiesTowardsItsOwnColour)
{
    // Red's best: 16 (between 15 and 17) worth 9; yellow's best: 121 worth 9.
    place({15, 17}, {120, 122});
    EXPECT_EQ(play(PlayGenius), 16) << "red gains rather than denies";
    game.newGame();
    place({15, 17}, {120, 122});
    GameSteps::WisselBeurt(game);
    EXPECT_EQ(play(PlayGenius), 121) << "yellow gains rather than denies";
}

TEST_F(PlayerTest, GeniusDeniesOnlyAStrictlyBetterCellAndNeverAddsValues)
{
    // Yellow threatens 61 (worth 9, between 60 and 62); red's best is 5.
    // Cell 46 is worth 5 to red (beside 45) and 9 to yellow: 14 together,
    // more than 61's 11, but values are never combined.
    place({45}, {60, 62, 47});
    EXPECT_EQ(play(PlayGenius), 61);
}

} // namespace
} // namespace tarnel::testing
