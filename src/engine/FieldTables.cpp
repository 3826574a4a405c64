#include "FieldTables.h"

#include "engine/GameState.h"

#include <algorithm>
#include <stdexcept>

namespace tarnel {

namespace {
// Copies every slot of `from` but its spare last one into the same slots of
// `to`.
template <std::size_t N, std::size_t M>
void copyEntries(const std::array<Int16, N>& from, std::array<Int16, M>& to)
{
    static_assert(M > N);
    std::copy(from.begin(), from.end() - 1, to.begin());
}
} // namespace

void FieldTables::InitEasyField()
{
    // Two chevrons in rows 2 to 7, pointing towards each other.
    EasyField = {32, 48, 64, 79, 93, 107, 42, 56, 70, 85, 101, 117, 0};
}

void FieldTables::InitNormalField()
{
    copyEntries(EasyField, NormalField);
    NormalField[12] = 67;
    NormalField[13] = 82;
}

void FieldTables::InitHardField()
{
    copyEntries(NormalField, HardField);
    const std::array<Int16, 6> added{35, 22, 39, 110, 127, 114};
    std::copy(added.begin(), added.end(), HardField.begin() + 14);
}

void FieldTables::InitImpossibleField()
{
    copyEntries(HardField, ImpossibleField);
    const std::array<Int16, 4> added{46, 91, 58, 103};
    std::copy(added.begin(), added.end(), ImpossibleField.begin() + 20);
}

void FieldTables::buildAll()
{
    InitEasyField();
    InitNormalField();
    InitHardField();
    InitImpossibleField();
}

static_assert(field::kCount == 5, "every field type has its case below");

std::span<const Int16> FieldTables::table(Int16 fieldType) const
{
    switch (fieldType) {
    case 1:
        return StandardField;
    case 2:
        return EasyField;
    case 3:
        return NormalField;
    case 4:
        return HardField;
    case 5:
        return ImpossibleField;
    default:
        throw std::invalid_argument("field type must be 1..5");
    }
}

} // namespace tarnel
