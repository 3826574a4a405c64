// A view without windows for the headless tests: it records what the game
// tells it. A result stays open until the test closes it
// (Game::closeResult), as a player would.
#pragma once

#include "engine/GameView.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tarnel::testing {

class RecordingView : public GameView
{
public:
    void cellChanged(int index, const Cell& cell) override
    {
        cells.at(static_cast<std::size_t>(index)) = cell;
        if (afterCellChanged) {
            afterCellChanged(index, cell);
        }
    }
    void scoreChanged(Colour colour, Int16 points) override { scores[colourSlot(colour)] = points; }
    void turnChanged(std::optional<Colour> colour, std::optional<Move> after) override
    {
        toMove = colour;
        lastHandOver = after;
    }
    void gameOver(Int16 redPoints, Int16 yellowPoints) override
    {
        results.emplace_back(redPoints, yellowPoints);
    }

    // What a window would show.
    std::array<Cell, kCellCount> cells{};
    std::array<Int16, 2> scores{};
    std::optional<Colour> toMove;
    // The move that last handed the turn over; none after a new field.
    std::optional<Move> lastHandOver;
    // The scores of every game that ended, in order.
    std::vector<std::pair<Int16, Int16>> results;
    // Runs after each cell change; lets a test raise the click notification
    // that some toolkits send when a toggle button is set from code.
    std::function<void(int, const Cell&)> afterCellChanged;
};

} // namespace tarnel::testing
