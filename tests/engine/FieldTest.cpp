// Field layouts and NewField.
#include "support/GameFixture.h"

#include <set>

namespace tarnel::testing {
namespace {

std::set<int> hiddenCells(const Game& game)
{
    std::set<int> hidden;
    for (int i = 0; i < kCellCount; ++i) {
        if (!game.cell(i).visible) {
            hidden.insert(i);
        }
    }
    return hidden;
}

struct LayoutCase
{
    Int16 fieldType;
    std::vector<std::string> rows; // as boardRows() draws the board
};

class LayoutTest : public GameFixture, public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(LayoutTest, HidesExactlyTheLayoutsCellsWithBluePictures)
{
    const LayoutCase& layout = GetParam();
    chooseField(layout.fieldType);
    EXPECT_EQ(boardRows(game), layout.rows);
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& cell = game.cell(i);
        if (!cell.visible) {
            EXPECT_EQ(cell.owner, Picture::Blue) << i;
        } else {
            EXPECT_EQ(cell, Cell{}) << "cell " << i << " is not free";
        }
    }
    // Mirrored left-right and top-bottom.
    const std::vector<std::string> rows = boardRows(game);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row], std::string(rows[row].rbegin(), rows[row].rend())) << row;
        EXPECT_EQ(rows[row], rows[rows.size() - 1 - row]) << row;
    }
    EXPECT_TRUE(game.cell(0).visible) << "the spare slot must never be applied";
    EXPECT_TRUE(invariantsHold(game));
    EXPECT_TRUE(mirrorMatches(game, view));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AllFields, LayoutTest,
    ::testing::Values(
        LayoutCase{field::Standard, std::vector<std::string>(kRows, std::string(kColumns, '.'))},
        LayoutCase{field::Easy, {"...............",
                                 "...............",
                                 "..#.........#..",
                                 "...#.......#...",
                                 "....#.....#....",
                                 "....#.....#....",
                                 "...#.......#...",
                                 "..#.........#..",
                                 "...............",
                                 "..............."}},
        LayoutCase{field::Normal, {"...............",
                                   "...............",
                                   "..#.........#..",
                                   "...#.......#...",
                                   "....#..#..#....",
                                   "....#..#..#....",
                                   "...#.......#...",
                                   "..#.........#..",
                                   "...............",
                                   "..............."}},
        LayoutCase{field::Hard, {"...............",
                                 ".......#.......",
                                 "..#..#...#..#..",
                                 "...#.......#...",
                                 "....#..#..#....",
                                 "....#..#..#....",
                                 "...#.......#...",
                                 "..#..#...#..#..",
                                 ".......#.......",
                                 "..............."}},
        LayoutCase{field::Impossible, {"...............",
                                       ".......#.......",
                                       "..#..#...#..#..",
                                       ".#.#.......#.#.",
                                       "....#..#..#....",
                                       "....#..#..#....",
                                       ".#.#.......#.#.",
                                       "..#..#...#..#..",
                                       ".......#.......",
                                       "..............."}}),
    [](const auto& row) { return std::to_string(row.param.fieldType); });
// clang-format on

TEST(FieldTables, AreBuiltInTableOrderWithSpareZeroSlots)
{
    FieldTables tables;
    tables.buildAll();
    EXPECT_EQ(tables.StandardField, (std::array<Int16, 1>{0}));
    EXPECT_EQ(tables.EasyField,
              (std::array<Int16, 13>{32, 48, 64, 79, 93, 107, 42, 56, 70, 85, 101, 117, 0}));
    EXPECT_EQ(tables.NormalField[12], 67);
    EXPECT_EQ(tables.NormalField[13], 82);
    EXPECT_EQ(tables.HardField[14], 35);
    EXPECT_EQ(tables.HardField[19], 114);
    EXPECT_EQ(tables.ImpossibleField[20], 46);
    EXPECT_EQ(tables.ImpossibleField[23], 103);
    EXPECT_EQ(tables.NormalField.back(), 0);
    EXPECT_EQ(tables.HardField.back(), 0);
    EXPECT_EQ(tables.ImpossibleField.back(), 0);
    EXPECT_THROW((void)tables.table(0), std::invalid_argument);
    EXPECT_THROW((void)tables.table(6), std::invalid_argument);
}

TEST(FieldTables, NoLayoutTakesCellZeroOutOfPlay)
{
    // The spare slot holds 0 and is never applied: cell 0 stays in play on
    // every field (an unbuilt table, all zeros, would take it).
    RecordingView view;
    FieldTables tables;
    tables.buildAll();
    Game game(view, tables);
    for (Int16 fieldType = field::Standard; fieldType <= field::Impossible; ++fieldType) {
        game.NewField(fieldType);
        EXPECT_TRUE(game.cell(0).visible) << "field " << fieldType;
    }
}

using NewFieldTest = GameFixture;

TEST_F(NewFieldTest, ImpossibleThenEasyRestoresTheCellsEasyKeepsInPlay)
{
    chooseField(field::Impossible);
    chooseField(field::Easy);
    for (const int cell : {67, 82, 35, 22, 39, 110, 127, 114, 46, 91, 58, 103}) {
        EXPECT_EQ(game.cell(cell), Cell{}) << cell;
    }
    EXPECT_EQ(hiddenCells(game).size(), 12U);
    EXPECT_TRUE(mirrorMatches(game, view));
}

TEST_F(NewFieldTest, ClearsTheLastGameAndStartsWithRedToMove)
{
    chooseField(field::Standard);
    game.playMove(5);  // red
    game.playMove(6);  // yellow
    game.playMove(20); // red
    ASSERT_EQ(game.state().CurrentPlayer, 1);

    const auto before = game.cells();
    game.newGame();
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(game.cell(i), Cell{}) << i;
    }
    EXPECT_NE(before, game.cells());
    EXPECT_EQ(game.state().CurrentPlayer, 0);
    EXPECT_EQ(game.state().RedPoints, 0);
    EXPECT_EQ(game.state().YellowPoints, 0);
    EXPECT_EQ(view.scores, (std::array<Int16, 2>{0, 0}));
    EXPECT_EQ(view.toMove, Colour::Red);
    EXPECT_EQ(view.lastHandOver, std::nullopt) << "a new field is no hand-over";
    EXPECT_FALSE(game.state().GameLocked);

    const auto first = game.cells();
    game.newGame();
    EXPECT_EQ(first, game.cells());
}

TEST_F(NewFieldTest, LoadSetsTheDefaultPlayersAndTheNormalField)
{
    const GameState& state = game.state();
    EXPECT_EQ(state.Players[0], (PlayerRecord{0, 0}));
    EXPECT_EQ(state.Players[1], (PlayerRecord{1, level::Smart}));
    EXPECT_EQ(state.FieldType, field::Normal);
    EXPECT_EQ(hiddenCells(game).size(), 14U);
}

TEST_F(NewFieldTest, RejectsFieldTypesOffTheMenu)
{
    EXPECT_THROW(game.NewField(0), std::invalid_argument);
    EXPECT_THROW(game.setFieldType(6), std::invalid_argument);
    EXPECT_FALSE(game.state().GameLocked);
    EXPECT_EQ(game.state().FieldType, field::Normal);
}

} // namespace
} // namespace tarnel::testing
