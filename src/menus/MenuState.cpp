#include "MenuState.h"

#include "menus/MenuTree.h"

#include <algorithm>
#include <iterator>

namespace tarnel::menus {

namespace {
constexpr std::array kIntervals{kIdiotInterval, kSmartInterval, kGeniusInterval};
static_assert(kIntervals.size() == level::kCount, "one interval per level");
} // namespace

MenuState::MenuState(Game& game) : game_(game)
{
    setChecked(MenuItem::mnuHumComp, true);
    setChecked(MenuItem::mnuNormal, true);
    setChecked(MenuItem::mnuCompRedSmart, true);
    setChecked(MenuItem::mnuCompYellowSmart, true);
}

void MenuState::load()
{
    const GameState& state = game_.state();
    game_.setPlayer(Colour::Red, 0, state.Players[0].Level);
    game_.setPlayer(Colour::Yellow, 1, level::Smart);
    setEnabled(MenuItem::mnuCompRed, false);
    game_.setFieldType(field::Normal);
    game_.NewField(field::Normal);
}

MenuItem MenuState::parent(MenuItem item)
{
    // The nearest menu above the item's entry, one level up.
    const auto* entry = std::find_if(std::begin(kMenuTree), std::end(kMenuTree),
                                     [item](const Entry& e) { return e.item == item; });
    for (const auto* up = entry; up != std::begin(kMenuTree);) {
        --up;
        if (up->kind == Kind::Menu && up->depth == entry->depth - 1) {
            return up->item;
        }
    }
    return item; // a heading on the bar
}

bool MenuState::reachable(MenuItem item) const
{
    for (;;) {
        if (!enabled(item)) {
            return false;
        }
        const MenuItem up = parent(item);
        if (up == item) {
            return true;
        }
        item = up;
    }
}

void MenuState::choose(MenuItem item)
{
    // Exit, help, about and the submenu headings concern the windows alone.
    if (item == MenuItem::mnuNewGame) {
        game_.newGame();
    } else if (positionIn(kModes, item)) {
        chooseMode(item);
    } else if (const auto red = positionIn(kRedLevels, item)) {
        chooseLevel(Colour::Red, static_cast<Int16>(*red));
    } else if (const auto yellow = positionIn(kYellowLevels, item)) {
        chooseLevel(Colour::Yellow, static_cast<Int16>(*yellow));
    } else if (const auto field = positionIn(kFields, item)) {
        chooseField(static_cast<Int16>(*field + 1));
    }
}

void MenuState::chooseMode(MenuItem mode)
{
    using enum MenuItem;
    const bool human = mode == mnuHuman;
    const bool comp = mode == mnuComp;
    setChecked(mnuHuman, human);
    setChecked(mnuHumComp, mode == mnuHumComp);
    setChecked(mnuComp, comp);

    setEnabled(mnuHelp, !comp);
    setEnabled(mnuCompRed, comp);
    setEnabled(mnuCompYellow, !human);

    const GameState& state = game_.state();
    game_.setPlayer(Colour::Red, comp ? 1 : 0, state.Players[0].Level);
    game_.setPlayer(Colour::Yellow, human ? 0 : 1, state.Players[1].Level);
    if (comp) {
        // The computer's red always starts out Smart.
        for (std::size_t k = 0; k < kRedLevels.size(); ++k) {
            setChecked(kRedLevels[k], k == level::Smart);
        }
        game_.setPlayer(Colour::Red, 1, level::Smart);
    }
    game_.newGame();
}

void MenuState::chooseLevel(Colour colour, Int16 level)
{
    const auto& items = colour == Colour::Red ? kRedLevels : kYellowLevels;
    for (std::size_t k = 0; k < items.size(); ++k) {
        setChecked(items[k], static_cast<Int16>(k) == level);
    }
    const PlayerRecord& player = game_.state().Players[colourSlot(colour)];
    game_.setPlayer(colour, player.IsComputer, level);
    timerInterval_ = kIntervals.at(static_cast<std::size_t>(level));
    game_.newGame();
}

void MenuState::chooseField(Int16 fieldType)
{
    for (std::size_t k = 0; k < kFields.size(); ++k) {
        setChecked(kFields[k], static_cast<Int16>(k + 1) == fieldType);
    }
    game_.setFieldType(fieldType);
    game_.NewField(fieldType);
}

} // namespace tarnel::menus
