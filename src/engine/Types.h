// Value types of the game, shared by the engine, the players and whoever
// shows the game.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarnel {

// The identity of a cell's owner picture. Ownership is decided by comparing
// these identities, never by looking at colours: `Gray` marks a free cell,
// `red` and `yellow` a cell taken by that colour, `Blue` a cell out of play.
// The spelling follows the names of the four reference pictures the game has
// always used.
enum class Picture : std::uint8_t { Gray, red, yellow, Blue };

// A colour. The numeric values are those of CurrentPlayer: 0 red, 1 yellow.
enum class Colour : std::int16_t { Red = 0, Yellow = 1 };

// The index of a colour in per-colour arrays: 0 red, 1 yellow.
constexpr std::size_t colourSlot(Colour colour)
{
    return colour == Colour::Red ? 0U : 1U;
}

constexpr int kColumns = 15;
constexpr int kRows = 10;
constexpr int kCellCount = kColumns * kRows;

// The four states of one board cell.
//  - free:        visible, enabled, owner Gray
//  - red/yellow:  visible, disabled, owner red/yellow
//  - out of play: hidden, owner Blue (enabled stays as the layout left it)
// Whether a button stands pressed is the view's: play never depends on it.
// Four bytes a cell: the players scan the board by index, and a stride of a
// power of two keeps that a shift (three bytes cost a whole game 8 to 11 %).
struct alignas(4) Cell
{
    bool visible = true;
    bool enabled = true;
    Picture owner = Picture::Gray;

    friend bool operator==(const Cell&, const Cell&) = default;
};

// A move: the cell taken and the colour that took it.
struct Move
{
    int index = 0;
    Colour colour = Colour::Red;

    friend bool operator==(const Move&, const Move&) = default;
};

} // namespace tarnel
