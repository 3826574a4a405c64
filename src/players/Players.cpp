#include "Players.h"

#include <cmath>

namespace tarnel {

namespace {
// Smart takes a cell only when its value is strictly greater than this.
constexpr Int16 kSmartThreshold = 7;

// The first free cell worth more than the threshold to `colour`, or -1.
int firstStrongCell(const Game& game, Colour colour)
{
    for (int k = 0; k < kCellCount; ++k) {
        if (game.isFree(k) && game.moveValue(colour, k) > kSmartThreshold) {
            return k;
        }
    }
    return -1;
}

struct Best
{
    Int16 value = 0;
    Int16 index = 0;
};

// The best cell of each colour, found in one pass. Equivalent to a yellow
// scan followed by a red scan: each colour keeps its own best, and only a
// strictly greater value replaces it.
struct BestPair
{
    Best yellow;
    Best red;
};

BestPair bestCells(const Game& game)
{
    BestPair best;
    for (int k = 0; k < kCellCount; ++k) {
        if (!game.isFree(k)) {
            continue;
        }
        const Int16 yellow = game.moveValue(Colour::Yellow, k);
        const Int16 red = game.moveValue(Colour::Red, k);
        if (yellow > best.yellow.value) {
            best.yellow = {yellow, static_cast<Int16>(k)};
        }
        if (red > best.red.value) {
            best.red = {red, static_cast<Int16>(k)};
        }
    }
    return best;
}
} // namespace

std::optional<Int16> PlayIdiot(const Game& game, Lcg24& random)
{
    if (game.freeCount() == 0) {
        return std::nullopt; // no draw could ever succeed
    }
    // The generator has full period, so every cell index comes up within one
    // cycle: with a free cell on the board the loop ends.
    for (;;) {
        const double r = random.next();
        const auto k = static_cast<Int16>(std::floor(r * static_cast<double>(kCellCount)));
        if (game.isFree(k)) {
            return k;
        }
    }
}

std::optional<Int16> PlaySmart(const Game& game, Lcg24& random)
{
    if (game.freeCount() == 0) {
        return std::nullopt;
    }
    for (const Colour colour : {Colour::Yellow, Colour::Red}) {
        const int k = firstStrongCell(game, colour);
        if (k >= 0) {
            return static_cast<Int16>(k);
        }
    }
    return PlayIdiot(game, random);
}

std::optional<Int16> PlayGenius(const Game& game, Lcg24& /*random*/)
{
    if (game.freeCount() == 0) {
        return std::nullopt;
    }
    const auto [yellow, red] = bestCells(game);
    Int16 choice = 0;
    if (game.state().CurrentPlayer == 1) {
        choice = red.value > yellow.value ? red.index : yellow.index;
    } else {
        choice = yellow.value > red.value ? yellow.index : red.index;
    }
    return choice;
}

} // namespace tarnel
