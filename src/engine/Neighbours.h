// The up to eight neighbours of every cell, in the order in which the scoring
// rule visits them: left, right, below, above (weight 4 each), then below
// right, above right, above left, below left (weight 2 each). A neighbour is
// listed only when it is on the board: rows never wrap into each other.
#pragma once

#include "engine/Types.h"

#include <array>
#include <cstdint>

namespace tarnel {

struct Neighbour
{
    std::int16_t index;
    std::int16_t weight;
};

struct NeighbourList
{
    std::array<Neighbour, 8> items{};
    std::int16_t count = 0;
};

namespace detail {
constexpr std::array<NeighbourList, kCellCount> buildNeighbours()
{
    std::array<NeighbourList, kCellCount> all{};
    for (int c = 0; c < kCellCount; ++c) {
        NeighbourList list;
        auto add = [&list](int index, int weight) {
            list.items[static_cast<std::size_t>(list.count)] = {static_cast<std::int16_t>(index),
                                                                static_cast<std::int16_t>(weight)};
            ++list.count;
        };
        const bool hasLeft = c % kColumns != 0;
        const bool hasRight = (c + 1) % kColumns != 0;
        const bool hasBelow = c <= kCellCount - kColumns - 1;
        const bool hasAbove = c >= kColumns;
        if (hasLeft) {
            add(c - 1, 4);
        }
        if (hasRight) {
            add(c + 1, 4);
        }
        if (hasBelow) {
            add(c + 15, 4);
        }
        if (hasAbove) {
            add(c - 15, 4);
        }
        if (hasRight && hasBelow) {
            add(c + 16, 2);
        }
        if (hasRight && hasAbove) {
            add(c - 14, 2);
        }
        if (hasLeft && hasAbove) {
            add(c - 16, 2);
        }
        if (hasLeft && hasBelow) {
            add(c + 14, 2);
        }
        all[static_cast<std::size_t>(c)] = list;
    }
    return all;
}
} // namespace detail

inline constexpr std::array<NeighbourList, kCellCount> kNeighbours = detail::buildNeighbours();

} // namespace tarnel
