// The program-wide game state, in one object.
#pragma once

#include "engine/Int16.h"

#include <array>

namespace tarnel {

// Who plays a colour: IsComputer is 1 when the computer does, 0 for a person;
// Level is 0 Idiot, 1 Smart, 2 Genius.
struct PlayerRecord
{
    Int16 IsComputer = 0;
    Int16 Level = 0;

    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

namespace level {
constexpr Int16 Idiot = 0;
constexpr Int16 Smart = 1;
constexpr Int16 Genius = 2;
// Every table of levels (the menus' items, the play routines, the timer
// intervals) has one entry per level, which the build checks.
constexpr Int16 kCount = Genius + 1;
} // namespace level

namespace field {
constexpr Int16 Standard = 1;
constexpr Int16 Easy = 2;
constexpr Int16 Normal = 3;
constexpr Int16 Hard = 4;
constexpr Int16 Impossible = 5;
// Every table of fields (the layouts, the menus' items) has one entry per
// field type, which the build checks.
constexpr Int16 kCount = Impossible;
} // namespace field

struct GameState
{
    // The colour to move: 0 red, 1 yellow.
    Int16 CurrentPlayer = 0;
    // Index 0 red, 1 yellow; record 2 exists but is never used.
    std::array<PlayerRecord, 3> Players{};
    Int16 RedPoints = 0;
    Int16 YellowPoints = 0;
    // 1 Standard, 2 Easy, 3 Normal, 4 Hard, 5 Impossible.
    Int16 FieldType = field::Normal;
    // Set only while a field is being laid out.
    bool GameLocked = false;
};

} // namespace tarnel
