#include "Game.h"

#include "Neighbours.h"
#include "Texts.h"

#include <stdexcept>

namespace tarnel {

Game::Game(Toolkit& toolkit, const FieldTables& tables) : toolkit_(toolkit), tables_(tables)
{
    for (auto& values : values_) {
        values.fill(1);
    }
    freeCount_ = kCellCount;
    openCount_ = kCellCount;
    captions_ = {startCaption(Colour::Red), startCaption(Colour::Yellow)};
}

void Game::Load()
{
    setPlayer(Colour::Red, 0, state_.Players[0].Level);
    setPlayer(Colour::Yellow, 1, level::Smart);
    state_.computerVsComputer = false;
    state_.FieldType = field::Normal;
    NewField(field::Normal);
}

void Game::NewField(Int16 fieldType)
{
    // 1. A private copy of the layout (the table lookup also checks the type).
    const auto table = tables_.table(fieldType);
    std::array<Int16, 25> outOfPlay{};
    const std::size_t entries = table.size() - 1; // the spare last slot is never applied
    std::copy(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(entries),
              outOfPlay.begin());

    // 2. Clicks and scoring are ignored from here to step 9, including any
    //    click notification the toolkit raises while buttons are released.
    state_.GameLocked = true;

    // 3. Every cell visible, released, enabled and free.
    for (auto& values : values_) {
        values.fill(1);
    }
    freeCount_ = kCellCount;
    openCount_ = kCellCount;
    for (int i = 0; i < kCellCount; ++i) {
        cells_[static_cast<std::size_t>(i)] = Cell{};
        notifyCell(i);
    }

    // 4. The layout's cells out of play, in table order.
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

    // 5. - 8. Scores, turn, captions and indicators of a new game.
    state_.RedPoints = 0;
    state_.YellowPoints = 0;
    state_.CurrentPlayer = 0;
    setCaption(Colour::Red, startCaption(Colour::Red));
    setCaption(Colour::Yellow, startCaption(Colour::Yellow));
    setIndicator(Colour::Red, Picture::red);
    setIndicator(Colour::Yellow, Picture::Gray);

    // 9.
    state_.GameLocked = false;
}

void Game::pressCell(int index)
{
    if (index < 0 || index >= kCellCount) {
        return;
    }
    Cell& cell = cells_[static_cast<std::size_t>(index)];
    if (!cell.visible || !cell.enabled) {
        return; // hidden and disabled buttons raise no click
    }
    cell.pressed = !cell.pressed;
    notifyCell(index);
    onCellClicked(static_cast<Int16>(index));
}

void Game::onCellClicked(Int16 index)
{
    if (state_.computerVsComputer || state_.GameLocked) {
        return;
    }
    DoeZet(index);
    finishMove(index);
}

void Game::DoeZet(const Int16& i)
{
    setOwner(i, pictureOf(colourOf(state_.CurrentPlayer)));
    cells_.at(static_cast<std::size_t>(i)).enabled = false;
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
        setCaption(Colour::Red, scoreCaption(Colour::Red, state_.RedPoints));
    } else {
        state_.YellowPoints = KijkRond(state_.YellowPoints, index, Picture::yellow);
        setCaption(Colour::Yellow, scoreCaption(Colour::Yellow, state_.YellowPoints));
    }
}

void Game::WisselBeurt()
{
    // The focus move may be refused (hidden window, modal box open); the
    // turn changes all the same.
    if (state_.CurrentPlayer == 0) {
        setIndicator(Colour::Red, Picture::Gray);
        setIndicator(Colour::Yellow, Picture::yellow);
        toolkit_.focusIndicator(Colour::Yellow);
    } else {
        setIndicator(Colour::Yellow, Picture::Gray);
        setIndicator(Colour::Red, Picture::red);
        toolkit_.focusIndicator(Colour::Red);
    }
    state_.CurrentPlayer = checkedSub(1, state_.CurrentPlayer);
}

void Game::GameOver()
{
    setIndicator(Colour::Red, Picture::Gray);
    setIndicator(Colour::Yellow, Picture::Gray);
    toolkit_.showMessage(resultMessage(state_.RedPoints, state_.YellowPoints));
    newGame();
}

void Game::finishMove(Int16 index)
{
    ScoreMove(index);
    WisselBeurt();
    if (BordVol()) {
        GameOver();
    }
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

void Game::setIndicator(Colour colour, Picture picture)
{
    indicators_[colourSlot(colour)] = picture;
    toolkit_.indicatorChanged(colour, picture);
}

void Game::setCaption(Colour colour, std::string caption)
{
    captions_[colourSlot(colour)] = std::move(caption);
    toolkit_.captionChanged(colour, captions_[colourSlot(colour)]);
}

void Game::notifyCell(int index)
{
    toolkit_.cellChanged(index, cells_[static_cast<std::size_t>(index)]);
}

} // namespace tarnel
