// The end of a game: the full board, the result and the next game.
#include "support/GameFixture.h"
#include "support/GameSteps.h"

namespace tarnel::testing {
namespace {

class FullBoardTest : public GameFixture, public ::testing::WithParamInterface<Int16>
{
};

// Two persons play a whole game through the click road, taking the free
// cells from the far end backwards; every event keeps the invariants.
TEST_P(FullBoardTest, APersonsLastMoveEndsTheGameAndTheNextOneStarts)
{
    const Int16 fieldType = GetParam();
    game.setPlayer(Colour::Yellow, 0, level::Smart);
    chooseField(fieldType);

    std::vector<int> freeCells;
    for (int i = kCellCount - 1; i >= 0; --i) {
        if (game.cell(i).visible) {
            freeCells.push_back(i);
        }
    }
    ASSERT_EQ(static_cast<int>(freeCells.size()), kCellCount - outOfPlayCount(fieldType));

    for (std::size_t move = 0; move < freeCells.size(); ++move) {
        EXPECT_FALSE(game.BordVol());
        game.playMove(static_cast<Int16>(freeCells[move]));
        ASSERT_TRUE(invariantsHold(game)) << "after move " << move;
        ASSERT_TRUE(mirrorMatches(game, view));
    }
    // The game is over: board full, nobody to move, the scores told.
    EXPECT_EQ(game.toMove(), std::nullopt);
    EXPECT_EQ(view.toMove, std::nullopt);
    ASSERT_EQ(view.results.size(), 1U);
    EXPECT_EQ(view.results[0], std::pair(game.state().RedPoints, game.state().YellowPoints));
    game.newGame();
    // The next game on the same field, red to move.
    EXPECT_EQ(game.state().FieldType, fieldType);
    EXPECT_EQ(game.state().CurrentPlayer, 0);
    EXPECT_EQ(game.freeCount(), kCellCount - outOfPlayCount(fieldType));
    EXPECT_EQ(view.toMove, Colour::Red);
    EXPECT_EQ(view.scores, (std::array<Int16, 2>{0, 0}));
}

INSTANTIATE_TEST_SUITE_P(AllFields, FullBoardTest,
                         ::testing::Values(field::Standard, field::Easy, field::Normal, field::Hard,
                                           field::Impossible));

using BordVolTest = GameFixture;

TEST_F(BordVolTest, CountsOnlyVisibleFreeCells)
{
    for (Int16 fieldType = field::Standard; fieldType <= field::Impossible; ++fieldType) {
        chooseField(fieldType);
        EXPECT_FALSE(game.BordVol());
        for (int i = 0; i < kCellCount; ++i) {
            if (game.cell(i).visible && i != 149) {
                GameSteps::DoeZet(game, static_cast<Int16>(i));
            }
        }
        EXPECT_FALSE(game.BordVol()) << "cell 149 is still free";
        GameSteps::DoeZet(game, 149);
        EXPECT_TRUE(game.BordVol()) << "field " << fieldType;
    }
}

} // namespace
} // namespace tarnel::testing
