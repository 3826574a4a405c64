// The keyboard's walk over the board, which the window and the page's
// elements share: past cells that take no focus, never past an edge.
#include "engine/BoardWalk.h"

#include <gtest/gtest.h>
#include <set>

namespace tarnel::testing {
namespace {

struct Walk
{
    const char* what;
    int from;
    Step step;
    std::set<int> closed; // cells that take no focus
    std::optional<int> to;
};

class BoardWalkTest : public ::testing::TestWithParam<Walk>
{
};

TEST_P(BoardWalkTest, StopsOnTheFirstCellThatTakesTheFocus)
{
    const Walk& walk = GetParam();
    const auto open = [&walk](int index) { return walk.closed.count(index) == 0; };
    EXPECT_EQ(walkFrom(walk.from, walk.step, open), walk.to) << walk.what;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BoardWalkTest,
    ::testing::Values(Walk{"the next cell", 0, Step::Right, {}, 1},
                      Walk{"past closed cells", 0, Step::Right, {1, 2}, 3},
                      Walk{"not round a row's end", 14, Step::Right, {}, std::nullopt},
                      Walk{"not back round a row's start", 15, Step::Left, {}, std::nullopt},
                      Walk{"closed up to the edge", 12, Step::Right, {13, 14}, std::nullopt},
                      Walk{"down past a column's closed cells", 7, Step::Down, {22, 37}, 52},
                      Walk{"not above the top row", 7, Step::Up, {}, std::nullopt},
                      Walk{"not below the bottom row", 140, Step::Down, {}, std::nullopt},
                      Walk{"up to the top row", 142, Step::Up, {127}, 112}));

TEST(BoardFirstFromTest, GoesOnInReadingOrderRoundPastTheLast)
{
    const auto openBut = [](const std::set<int>& closed) {
        return [closed](int index) { return closed.count(index) == 0; };
    };
    EXPECT_EQ(firstFrom(5, openBut({})), 5);
    EXPECT_EQ(firstFrom(148, openBut({148, 149, 0})), 1);
    std::set<int> all;
    for (int index = 0; index < kCellCount; ++index) {
        all.insert(index);
    }
    EXPECT_EQ(firstFrom(0, openBut(all)), std::nullopt) << "a board with no free cell";
}

} // namespace
} // namespace tarnel::testing
