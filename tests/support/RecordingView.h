// A view without windows for the headless tests: it records what the game,
// or the session above it, tells it.
#pragma once

#include "session/SessionView.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarnel::testing {

class RecordingView : public session::SessionView
{
public:
    void newField(Int16 fieldType) override
    {
        ++fieldsLaidOut;
        told("field", fieldType);
    }
    void cellChanged(int index, const Cell& cell) override
    {
        cells.at(static_cast<std::size_t>(index)) = cell;
        told("cell", index, static_cast<int>(cell.owner), cell.enabled, cell.visible);
        if (afterCellChanged) {
            afterCellChanged(index, cell);
        }
    }
    void scoreChanged(Colour colour, Int16 points) override
    {
        scores[colourSlot(colour)] = points;
        told("score", colourSlot(colour), points);
    }
    void turnChanged(std::optional<Colour> colour, std::optional<Move> after) override
    {
        toMove = colour;
        lastHandOver = after;
        told("turn", colour ? static_cast<int>(colourSlot(*colour)) : -1,
             after ? after->index : -1);
    }
    void gameOver(Int16 redPoints, Int16 yellowPoints) override
    {
        results.emplace_back(redPoints, yellowPoints);
        told("over", redPoints, yellowPoints);
    }

    void menusChanged() override
    {
        ++menuChanges;
        told("menus");
    }
    void scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints) override
    {
        enquiries.push_back({asking, redPoints, yellowPoints});
        told("enquiry", colourSlot(asking), redPoints, yellowPoints);
    }
    void helpChosen() override { told(windows.emplace_back("help")); }
    void aboutChosen() override { told(windows.emplace_back("about")); }
    void exitChosen() override { told(windows.emplace_back("exit")); }

    struct Enquiry
    {
        Colour asking;
        Int16 redPoints;
        Int16 yellowPoints;
    };

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
    int fieldsLaidOut = 0;
    int menuChanges = 0;
    std::vector<Enquiry> enquiries;
    std::vector<std::string> windows; // the windows the menus asked for
    std::vector<std::string> calls;   // every call, with its arguments, in order

private:
    template <typename... Arguments> void told(const std::string& call, Arguments... arguments)
    {
        std::string line = call;
        ((line += ' ' + std::to_string(arguments)), ...);
        calls.push_back(std::move(line));
    }
};

} // namespace tarnel::testing
