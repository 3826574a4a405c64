// The five field layouts: for each field type the list of cells that are out
// of play. Each table has one spare slot at its end that holds 0 and is never
// applied, so a table of n slots lists n - 1 cells. Each list extends the one
// before it, which is how the building procedures fill them.
#pragma once

#include "engine/Int16.h"

#include <array>
#include <span>

namespace tarnel {

class FieldTables
{
public:
    std::array<Int16, 1> StandardField{};
    std::array<Int16, 13> EasyField{};
    std::array<Int16, 15> NormalField{};
    std::array<Int16, 21> HardField{};
    std::array<Int16, 25> ImpossibleField{};
    // The longest table, the last: room for any layout.
    static constexpr std::size_t kLongestTable = std::tuple_size_v<decltype(ImpossibleField)>;

    // Fill the tables. They must run once, in this order, before the first
    // field is laid out; StandardField is never filled.
    void InitEasyField();
    void InitNormalField();
    void InitHardField();
    void InitImpossibleField();

    // All four, in order.
    void buildAll();

    // The whole table of field type 1..5, spare slot included.
    // Throws std::invalid_argument for any other number.
    std::span<const Int16> table(Int16 fieldType) const;
};

} // namespace tarnel
