// The keyboard's walk over the board, the same for every view: from a cell,
// one step at a time in one direction, to the first cell that takes the
// focus; never past an edge.
#pragma once

#include "engine/Types.h"

#include <optional>

namespace tarnel {

enum class Step : std::uint8_t { Left, Right, Up, Down };

// The first cell after `from` in direction `step` for which `takesFocus`
// holds, or none before the board's edge.
template <typename TakesFocus>
std::optional<int> walkFrom(int from, Step step, const TakesFocus& takesFocus)
{
    const int dRow = step == Step::Up ? -1 : step == Step::Down ? 1 : 0;
    const int dColumn = step == Step::Left ? -1 : step == Step::Right ? 1 : 0;
    int row = from / kColumns + dRow;
    int column = from % kColumns + dColumn;
    while (row >= 0 && row < kRows && column >= 0 && column < kColumns) {
        const int index = row * kColumns + column;
        if (takesFocus(index)) {
            return index;
        }
        row += dRow;
        column += dColumn;
    }
    return std::nullopt;
}

// The first cell from `from` on, in reading order and round past the last,
// for which `takesFocus` holds, or none on a board with no such cell.
template <typename TakesFocus> std::optional<int> firstFrom(int from, const TakesFocus& takesFocus)
{
    for (int step = 0; step < kCellCount; ++step) {
        const int index = (from + step) % kCellCount;
        if (takesFocus(index)) {
            return index;
        }
    }
    return std::nullopt;
}

// Whether a cell takes the keyboard's focus: a free one, in play.
constexpr bool takesFocus(const Cell& cell)
{
    return cell.visible && cell.enabled;
}

} // namespace tarnel
