// The end of a game: the full board, the result and the next game.
#include "GameFixture.h"
#include "Texts.h"

namespace tarnel::testing {
namespace {

TEST(ResultMessage, NamesTheWinnerOrTheDraw)
{
    EXPECT_EQ(resultMessage(75, 75),
              "G A M E  O V E R\n\r\n\rNo winner ... no loser. Both have 75 points.");
    EXPECT_EQ(resultMessage(40, 52), "G A M E  O V E R\n\r\n\ryellow wins with 52 points to 40.");
    EXPECT_EQ(resultMessage(52, 40), "G A M E  O V E R\n\r\n\rRed wins with 52 points to 40.");
    EXPECT_EQ(resultMessage(1, 0), "G A M E  O V E R\n\r\n\rRed wins with 1 points to 0.");
    const std::string heading = resultMessage(0, 0).substr(0, 20);
    EXPECT_EQ(heading, std::string("G A M E  O V E R") + char(10) + char(13) + char(10) + char(13));
}

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

    // Watch the moment the result opens: board full, indicators plain.
    Int16 red = -1;
    Int16 yellow = -1;
    toolkit.whileMessageOpen = [&](const std::string&) {
        EXPECT_TRUE(game.BordVol());
        EXPECT_EQ(toolkit.indicators[0], Picture::Gray);
        EXPECT_EQ(toolkit.indicators[1], Picture::Gray);
        EXPECT_TRUE(invariantsHold(game));
        red = game.state().RedPoints;
        yellow = game.state().YellowPoints;
    };
    for (std::size_t move = 0; move < freeCells.size(); ++move) {
        EXPECT_FALSE(game.BordVol());
        game.pressCell(freeCells[move]);
        ASSERT_TRUE(invariantsHold(game)) << "after move " << move;
        ASSERT_TRUE(mirrorMatches(game, toolkit));
    }
    ASSERT_EQ(toolkit.messages.size(), 1U);
    EXPECT_EQ(toolkit.messages[0], resultMessage(red, yellow));
    // The next game on the same field, red to move.
    EXPECT_EQ(game.state().FieldType, fieldType);
    EXPECT_EQ(game.state().CurrentPlayer, 0);
    EXPECT_EQ(game.freeCount(), kCellCount - outOfPlayCount(fieldType));
    EXPECT_EQ(toolkit.indicators[0], Picture::red);
    EXPECT_EQ(toolkit.captions[0], "Red has 0 points");
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
                game.DoeZet(static_cast<Int16>(i));
            }
        }
        EXPECT_FALSE(game.BordVol()) << "cell 149 is still free";
        game.DoeZet(149);
        EXPECT_TRUE(game.BordVol()) << "field " << fieldType;
    }
}

} // namespace
} // namespace tarnel::testing
