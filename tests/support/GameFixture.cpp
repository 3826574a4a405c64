#include "support/GameFixture.h"

#include "engine/Neighbours.h"
#include "support/GameSteps.h"

#include <string>

namespace tarnel::testing {

namespace {
struct Counts
{
    int free = 0;
    int red = 0;
    int yellow = 0;
    int outOfPlay = 0;
};

// The score a set of cells earns whatever order they were taken in: each
// cell 1, each side-touching pair 4, each corner-touching pair 2.
int pairScore(const Game& game, Picture picture)
{
    int score = 0;
    for (int c = 0; c < kCellCount; ++c) {
        if (game.cell(c).owner != picture) {
            continue;
        }
        score += 1;
        const int row = c / kColumns;
        const int column = c % kColumns;
        // Each pair is counted once, from its upper or left member.
        const int forward[4][3] = {{0, 1, 4}, {1, 0, 4}, {1, 1, 2}, {1, -1, 2}};
        for (const auto& step : forward) {
            const int r = row + step[0];
            const int col = column + step[1];
            if (r < kRows && col >= 0 && col < kColumns &&
                game.cell(r * kColumns + col).owner == picture) {
                score += step[2];
            }
        }
    }
    return score;
}
} // namespace

std::vector<std::string> boardRows(const Game& game)
{
    std::vector<std::string> rows(kRows, std::string(kColumns, '.'));
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& cell = game.cell(i);
        char& shown =
            rows[static_cast<std::size_t>(i / kColumns)][static_cast<std::size_t>(i % kColumns)];
        shown = cell.owner == Picture::red      ? 'R'
                : cell.owner == Picture::yellow ? 'Y'
                : !cell.visible                 ? '#'
                                                : '.';
    }
    return rows;
}

int outOfPlayCount(Int16 fieldType)
{
    // Each table lists its cells and one spare slot.
    static const FieldTables tables = [] {
        FieldTables built;
        built.buildAll();
        return built;
    }();
    return static_cast<int>(tables.table(fieldType).size()) - 1;
}

::testing::AssertionResult invariantsHold(const Game& game)
{
    Counts counts;
    int gray = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const Cell& cell = game.cell(i);
        if (cell.owner == Picture::Gray) {
            ++gray;
        }
        if (cell.visible && cell.enabled && cell.owner == Picture::Gray) {
            ++counts.free;
        } else if (cell.visible && !cell.enabled && cell.owner == Picture::red) {
            ++counts.red;
        } else if (cell.visible && !cell.enabled && cell.owner == Picture::yellow) {
            ++counts.yellow;
        } else if (!cell.visible && cell.owner == Picture::Blue) {
            ++counts.outOfPlay;
        } else {
            return ::testing::AssertionFailure() << "cell " << i << " is in no known state";
        }
    }
    const GameState& state = game.state();
    if (counts.free + counts.red + counts.yellow + counts.outOfPlay != kCellCount) {
        return ::testing::AssertionFailure() << "cell states do not add up to 150";
    }
    if (counts.outOfPlay != outOfPlayCount(state.FieldType)) {
        return ::testing::AssertionFailure()
               << counts.outOfPlay << " cells out of play on field " << state.FieldType;
    }
    if (counts.red - counts.yellow != state.CurrentPlayer) {
        return ::testing::AssertionFailure() << counts.red << " red, " << counts.yellow
                                             << " yellow, CurrentPlayer " << state.CurrentPlayer;
    }
    if (pairScore(game, Picture::red) != state.RedPoints) {
        return ::testing::AssertionFailure() << "RedPoints " << state.RedPoints << ", board says "
                                             << pairScore(game, Picture::red);
    }
    if (pairScore(game, Picture::yellow) != state.YellowPoints) {
        return ::testing::AssertionFailure() << "YellowPoints " << state.YellowPoints
                                             << ", board says " << pairScore(game, Picture::yellow);
    }
    if (game.BordVol() != (counts.free == 0)) {
        return ::testing::AssertionFailure() << "BordVol disagrees with the board";
    }
    if (game.freeCount() != gray) {
        return ::testing::AssertionFailure() << "free count " << game.freeCount() << " vs " << gray;
    }
    for (int i = 0; i < kCellCount; ++i) {
        for (const auto& [colour, picture] :
             {std::pair{Colour::Red, Picture::red}, std::pair{Colour::Yellow, Picture::yellow}}) {
            Int16 points = 0;
            const auto index = static_cast<Int16>(i);
            if (game.moveValue(colour, i) != game.KijkRond(points, index, picture)) {
                return ::testing::AssertionFailure() << "cached value of cell " << i << " is stale";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult mirrorMatches(const Game& game, const RecordingView& view)
{
    for (int i = 0; i < kCellCount; ++i) {
        if (!(view.cells[static_cast<std::size_t>(i)] == game.cell(i))) {
            return ::testing::AssertionFailure() << "cell " << i << " is shown wrongly";
        }
    }
    if (view.scores[0] != game.state().RedPoints || view.scores[1] != game.state().YellowPoints) {
        return ::testing::AssertionFailure() << "a score is shown wrongly";
    }
    if (view.toMove != game.toMove()) {
        return ::testing::AssertionFailure() << "the colour to move is shown wrongly";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult menuRulesHold(const MenuState& menus, const GameState& state)
{
    using enum MenuItem;
    for (const auto& group : menus::kCheckGroups) {
        int marks = 0;
        for (const MenuItem item : group) {
            marks += menus.checked(item) ? 1 : 0;
        }
        if (marks != 1) {
            return ::testing::AssertionFailure() << marks << " check marks in a group";
        }
    }
    for (std::size_t colour = 0; colour < 2; ++colour) {
        const PlayerRecord& player = state.Players[colour];
        const MenuItem submenu = colour == 0 ? mnuCompRed : mnuCompYellow;
        if (menus.enabled(submenu) != (player.IsComputer == 1)) {
            return ::testing::AssertionFailure() << "level submenu " << colour << " is wrong";
        }
        const MenuItem level = (colour == 0 ? menus::kRedLevels : menus::kYellowLevels)
                                   .at(static_cast<std::size_t>(player.Level));
        if (player.IsComputer == 1 && !menus.checked(level)) {
            return ::testing::AssertionFailure() << "level " << player.Level << " is not checked";
        }
    }
    if (menus.enabled(mnuHelp) == menus.checked(mnuComp)) {
        return ::testing::AssertionFailure() << "Help disagrees with the mode";
    }
    const MenuItem field = menus::kFields.at(static_cast<std::size_t>(state.FieldType - 1));
    if (!menus.checked(field)) {
        return ::testing::AssertionFailure() << "field " << state.FieldType << " is not checked";
    }
    return ::testing::AssertionSuccess();
}

GameFixture::GameFixture() : game(view, tables)
{
    tables.buildAll();
    menus.load();
}

void GameFixture::chooseField(Int16 fieldType)
{
    game.setFieldType(fieldType);
    game.NewField(fieldType);
}

void GameFixture::place(std::initializer_list<int> redCells, std::initializer_list<int> yellowCells)
{
    // DoeZet takes a cell for the colour to move; switch the turn around it
    // without scoring, then hand back to red.
    for (const int cell : redCells) {
        ASSERT_EQ(game.state().CurrentPlayer, 0);
        GameSteps::DoeZet(game, static_cast<Int16>(cell));
    }
    if (yellowCells.size() > 0) {
        GameSteps::WisselBeurt(game);
        for (const int cell : yellowCells) {
            GameSteps::DoeZet(game, static_cast<Int16>(cell));
        }
        GameSteps::WisselBeurt(game);
    }
}

Int16 GameFixture::valueFor(Colour colour, int index) const
{
    Int16 points = 0;
    return game.KijkRond(points, static_cast<Int16>(index), pictureOf(colour));
}

} // namespace tarnel::testing
