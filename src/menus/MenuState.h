// The menu bar's state and rules, without widgets: which items carry a check
// mark, which are enabled, what each choice does to the game, and the timer
// interval the level items set. The window mirrors this state onto its menu
// after every choice. No Qt here, so that the rules are tested headless.
#pragma once

#include "engine/Game.h"

#include <array>
#include <optional>
#include <span>

namespace tarnel::menus {

// Every item of the menu bar, in menu order. Separators are not items.
enum class MenuItem : int {
    mnuFile,
    mnuNewGame,
    mnuFileExit,
    mnuDifficulty,
    mnuCompRed,
    mnuCompRedIdiot,
    mnuCompRedSmart,
    mnuCompRedGenius,
    mnuCompYellow,
    mnuCompYellowIdiot,
    mnuCompYellowSmart,
    mnuCompYellowGenius,
    mnuField,
    mnuStandard,
    mnuEasy,
    mnuNormal,
    mnuHard,
    mnuImpossible,
    mnuPlayers,
    mnuHuman,
    mnuHumComp,
    mnuComp,
    mnuHelp,
    mnuHelpContents,
    mnuHelpAbout,
};
constexpr int kMenuItemCount = static_cast<int>(MenuItem::mnuHelpAbout) + 1;

// The groups of items that carry one check mark between them, each in the
// order of what it chooses: the player modes; red's and yellow's levels
// (index = level); the fields (index = field type - 1). A change to the
// levels, fields or modes is made here, and everything else follows.
constexpr std::array kModes{MenuItem::mnuHuman, MenuItem::mnuHumComp, MenuItem::mnuComp};
constexpr std::array kRedLevels{MenuItem::mnuCompRedIdiot, MenuItem::mnuCompRedSmart,
                                MenuItem::mnuCompRedGenius};
constexpr std::array kYellowLevels{MenuItem::mnuCompYellowIdiot, MenuItem::mnuCompYellowSmart,
                                   MenuItem::mnuCompYellowGenius};
constexpr std::array kFields{MenuItem::mnuStandard, MenuItem::mnuEasy, MenuItem::mnuNormal,
                             MenuItem::mnuHard, MenuItem::mnuImpossible};
static_assert(kRedLevels.size() == level::kCount && kYellowLevels.size() == level::kCount,
              "one item per level for each colour");
static_assert(kFields.size() == field::kCount, "one item per field type");
constexpr std::array<std::span<const MenuItem>, 4> kCheckGroups{kModes, kRedLevels, kYellowLevels,
                                                                kFields};

// Where `item` stands in `group`, if it is there.
constexpr std::optional<std::size_t> positionIn(std::span<const MenuItem> group, MenuItem item)
{
    for (std::size_t k = 0; k < group.size(); ++k) {
        if (group[k] == item) {
            return k;
        }
    }
    return std::nullopt;
}

// The check group of `item` (its index in kCheckGroups), if it has one.
constexpr std::optional<std::size_t> checkGroup(MenuItem item)
{
    for (std::size_t g = 0; g < kCheckGroups.size(); ++g) {
        if (positionIn(kCheckGroups[g], item)) {
            return g;
        }
    }
    return std::nullopt;
}

// Timer intervals of the three levels, in milliseconds.
constexpr int kIdiotInterval = 10;
constexpr int kSmartInterval = 100;
constexpr int kGeniusInterval = 150;

class MenuState
{
public:
    // The state the window is designed with: everything enabled, check marks
    // on Human vs computer, Normal and Smart for both colours, interval
    // 100 ms. `game` is borrowed and must outlive the menus.
    explicit MenuState(Game& game);

    // The main window's load, but for placing the window: a person plays
    // red, the computer plays yellow at Smart, red's level submenu is
    // disabled, and the Normal field is laid out for the first game.
    // Precondition: the field tables are built.
    void load();

    // Carries out the choice of `item`. Exit, help and about only concern
    // the windows and change nothing here; the submenu headings do nothing.
    void choose(MenuItem item);

    bool checked(MenuItem item) const { return items_[index(item)].checked; }
    bool enabled(MenuItem item) const { return items_[index(item)].enabled; }
    // The item's parent menu, or the item itself for a heading on the bar.
    static MenuItem parent(MenuItem item);
    // Enabled, and every menu above it enabled too.
    bool reachable(MenuItem item) const;

    // The interval of the main window's timer, set by the level items.
    int timerInterval() const { return timerInterval_; }
    // Computer vs Computer is the player mode: board clicks are refused.
    bool computerVsComputer() const { return checked(MenuItem::mnuComp); }

private:
    struct ItemState
    {
        bool checked = false;
        bool enabled = true;
    };
    static std::size_t index(MenuItem item) { return static_cast<std::size_t>(item); }
    void setChecked(MenuItem item, bool on) { items_[index(item)].checked = on; }
    void setEnabled(MenuItem item, bool on) { items_[index(item)].enabled = on; }
    void chooseMode(MenuItem mode);
    void chooseLevel(Colour colour, Int16 level);
    void chooseField(Int16 fieldType);

    Game& game_;
    std::array<ItemState, kMenuItemCount> items_{};
    int timerInterval_ = kSmartInterval;
};

} // namespace tarnel::menus
