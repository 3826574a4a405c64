#include "Game.h"

#include "engine/Neighbours.h"

#include <stdexcept>

namespace tarnel {

Game::Game(GameView& view, const FieldTables& tables) : view_(view), tables_(tables)
{
    for (auto& values : values_) {
        values.fill(1);
    }
    freeCount_ = kCellCount;
    openCount_ = kCellCount;
}

void Game::NewField(Int16 fieldType)
{
    // A private copy of the layout (the table lookup also checks the type).
    const auto table = tables_.table(fieldType);
    std::array<Int16, FieldTables::kLongestTable> outOfPlay{};
    const std::size_t entries = table.size() - 1; // the spare last slot is never applied
    std::copy(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(entries),
              outOfPlay.begin());

    // Clicks and scoring are ignored until the field is laid out, including
    // any click notification a view raises while buttons are released.
    state_.GameLocked = true;
    lastTaken_ = -1;
    view_.newField(fieldType);

    // Every cell visible, released, enabled and free.
    for (auto& values : values_) {
        values.fill(1);
    }
    freeCount_ = kCellCount;
    openCount_ = kCellCount;
    for (int i = 0; i < kCellCount; ++i) {
        cells_[static_cast<std::size_t>(i)] = Cell{};
        notifyCell(i);
    }

    // The layout's cells out of play, in table order.
    for (std::size_t k = 0; k < entries; ++k) {
        const int index = outOfPlay[k];
        setOwner(index, Picture::Blue);
        Cell& cell = cells_[static_cast<std::size_t>(index)];
        if (cell.visible) {
            cell.visible = false;
            openCount_ -= cell.owner == Picture::Gray ? 1 : 0;
        }
        notifyCell(index);
    }

    // Both scores 0, and red moves first in every game.
    state_.RedPoints = 0;
    state_.YellowPoints = 0;
    state_.CurrentPlayer = 0;
    view_.scoreChanged(Colour::Red, 0);
    view_.scoreChanged(Colour::Yellow, 0);
    view_.turnChanged(Colour::Red, std::nullopt);

    state_.GameLocked = false;
}

void Game::playMove(Int16 index)
{
    // Only a free cell in play can be taken: anything else is refused and
    // changes nothing, so that the turn rule holds whoever calls.
    if (index < 0 || index >= kCellCount) {
        return;
    }
    if (const Cell& cell = cells_[static_cast<std::size_t>(index)];
        !cell.visible || !cell.enabled || cell.owner != Picture::Gray) {
        return;
    }
    DoeZet(index);
    ScoreMove(index);
    WisselBeurt();
    if (BordVol()) {
        GameOver();
    }
}

void Game::DoeZet(const Int16& i)
{
    setOwner(i, pictureOf(colourOf(state_.CurrentPlayer)));
    cells_.at(static_cast<std::size_t>(i)).enabled = false;
    lastTaken_ = i;
    notifyCell(i);
}

Int16 Game::KijkRond(Int16& punten, const Int16& index, Picture tek) const
{
    punten = checkedAdd(punten, 1);
    const auto& neighbours = kNeighbours.at(static_cast<std::size_t>(index));
    for (Int16 n = 0; n < neighbours.count; ++n) {
        const Neighbour& neighbour = neighbours.items[static_cast<std::size_t>(n)];
        if (cells_[static_cast<std::size_t>(neighbour.index)].owner == tek) {
            punten = checkedAdd(punten, neighbour.weight);
        }
    }
    return punten;
}

void Game::ScoreMove(Int16 index)
{
    if (state_.GameLocked) {
        return;
    }
    if (state_.CurrentPlayer == 0) {
        state_.RedPoints = KijkRond(state_.RedPoints, index, Picture::red);
        view_.scoreChanged(Colour::Red, state_.RedPoints);
    } else {
        state_.YellowPoints = KijkRond(state_.YellowPoints, index, Picture::yellow);
        view_.scoreChanged(Colour::Yellow, state_.YellowPoints);
    }
}

void Game::WisselBeurt()
{
    const Colour moved = colourOf(state_.CurrentPlayer);
    const Colour next = moved == Colour::Red ? Colour::Yellow : Colour::Red;
    std::optional<Move> move;
    if (lastTaken_ >= 0) {
        move = Move{lastTaken_, moved};
    }
    state_.CurrentPlayer = checkedSub(1, state_.CurrentPlayer);
    view_.turnChanged(next, move);
}

void Game::GameOver()
{
    view_.turnChanged(std::nullopt, std::nullopt);
    view_.gameOver(state_.RedPoints, state_.YellowPoints);
}

void Game::setPlayer(Colour colour, Int16 isComputer, Int16 level)
{
    state_.Players[colourSlot(colour)] = PlayerRecord{isComputer, level};
}

void Game::setFieldType(Int16 fieldType)
{
    (void)tables_.table(fieldType); // rejects anything but 1..5
    state_.FieldType = fieldType;
}

void Game::setOwner(int index, Picture owner)
{
    Cell& cell = cells_.at(static_cast<std::size_t>(index));
    const Picture old = cell.owner;
    if (old == owner) {
        return;
    }
    // Keep the cached move values of the neighbours in step with the owners.
    const auto& neighbours = kNeighbours[static_cast<std::size_t>(index)];
    auto adjust = [&](Picture picture, int sign) {
        if (picture != Picture::red && picture != Picture::yellow) {
            return;
        }
        auto& values = values_[picture == Picture::red ? 0U : 1U];
        for (Int16 n = 0; n < neighbours.count; ++n) {
            const Neighbour& neighbour = neighbours.items[static_cast<std::size_t>(n)];
            auto& value = values[static_cast<std::size_t>(neighbour.index)];
            value = static_cast<Int16>(value + sign * neighbour.weight);
        }
    };
    adjust(old, -1);
    adjust(owner, +1);
    const int freeChange = (owner == Picture::Gray ? 1 : 0) - (old == Picture::Gray ? 1 : 0);
    freeCount_ += freeChange;
    openCount_ += cell.visible ? freeChange : 0;
    cell.owner = owner;
}

void Game::notifyCell(int index)
{
    view_.cellChanged(index, cells_[static_cast<std::size_t>(index)]);
}

} // namespace tarnel
