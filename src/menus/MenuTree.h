// The menu bar as one table: every menu, item and separator in the order
// they stand, with the depth that places it under the menu above it, its
// control name and its English caption. The rules (MenuState) and the window
// that builds the bar both read it.
#pragma once

#include "menus/MenuState.h"

// The captions are marked for Qt Linguist's lupdate, which reads this file;
// without Qt the mark leaves the text as it is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace tarnel::menus {

enum class Kind { Menu, Action, Separator };

struct Entry
{
    Kind kind;
    MenuItem item; // unused for separators
    const char* name;
    const char* caption;
    int depth; // 0 on the bar, 1 in a menu, 2 in a submenu
};

// clang-format off
inline constexpr Entry kMenuTree[] = {
    //: The menu bar's menus and items. "&" marks the access key: each must be
    //: unique within its menu (and on the bar) and sit on a letter of the text.
    {Kind::Menu,       MenuItem::mnuFile,             "mnuFile",             QT_TRANSLATE_NOOP("Menu", "&Game"),                     0},
    {Kind::Action,     MenuItem::mnuNewGame,          "mnuNewGame",          QT_TRANSLATE_NOOP("Menu", "&New game"),                 1},
    {Kind::Separator,  MenuItem::mnuFile,             "mnuFileBar0",         "-",                                                    1},
    //: Leaves the program at once (Ctrl+X).
    {Kind::Action,     MenuItem::mnuFileExit,         "mnuFileExit",         QT_TRANSLATE_NOOP("Menu", "E&xit"),                     1},
    //: The menu of the computer's playing level, one submenu per colour.
    {Kind::Menu,       MenuItem::mnuDifficulty,       "mnuDifficulty",       QT_TRANSLATE_NOOP("Menu", "&Difficulty"),               0},
    //: Submenu: the level at which the computer plays red.
    {Kind::Menu,       MenuItem::mnuCompRed,          "mnuCompRed",          QT_TRANSLATE_NOOP("Menu", "&Red"),                      1},
    //: The three levels of the computer player, weakest first: Idiot plays a
    //: random free button, Smart the first good one, Genius the best one.
    {Kind::Action,     MenuItem::mnuCompRedIdiot,     "mnuCompRedIdiot",     QT_TRANSLATE_NOOP("Menu", "&Idiot"),                    2},
    {Kind::Action,     MenuItem::mnuCompRedSmart,     "mnuCompRedSmart",     QT_TRANSLATE_NOOP("Menu", "&Smart"),                    2},
    {Kind::Action,     MenuItem::mnuCompRedGenius,    "mnuCompRedGenius",    QT_TRANSLATE_NOOP("Menu", "&Genius"),                   2},
    //: Submenu: the level at which the computer plays yellow.
    {Kind::Menu,       MenuItem::mnuCompYellow,       "mnuCompYellow",       QT_TRANSLATE_NOOP("Menu", "&Yellow"),                   1},
    {Kind::Action,     MenuItem::mnuCompYellowIdiot,  "mnuCompYellowIdiot",  QT_TRANSLATE_NOOP("Menu", "&Idiot"),                    2},
    {Kind::Action,     MenuItem::mnuCompYellowSmart,  "mnuCompYellowSmart",  QT_TRANSLATE_NOOP("Menu", "&Smart"),                    2},
    {Kind::Action,     MenuItem::mnuCompYellowGenius, "mnuCompYellowGenius", QT_TRANSLATE_NOOP("Menu", "&Genius"),                   2},
    //: The menu of the five board layouts: "field" as the whole playing field,
    //: never one square of it.
    {Kind::Menu,       MenuItem::mnuField,            "mnuField",            QT_TRANSLATE_NOOP("Menu", "&Field"),                    0},
    //: The five board layouts, with more and more buttons out of play:
    //: Standard (none) to Impossible.
    {Kind::Action,     MenuItem::mnuStandard,         "mnuStandard",         QT_TRANSLATE_NOOP("Menu", "&Standard"),                 1},
    {Kind::Action,     MenuItem::mnuEasy,             "mnuEasy",             QT_TRANSLATE_NOOP("Menu", "&Easy"),                     1},
    {Kind::Action,     MenuItem::mnuNormal,           "mnuNormal",           QT_TRANSLATE_NOOP("Menu", "&Normal"),                   1},
    {Kind::Action,     MenuItem::mnuHard,             "mnuHard",             QT_TRANSLATE_NOOP("Menu", "&Hard"),                     1},
    {Kind::Action,     MenuItem::mnuImpossible,       "mnuImpossible",       QT_TRANSLATE_NOOP("Menu", "&Impossible"),               1},
    //: Who plays each colour: a person (human) or the computer.
    {Kind::Menu,       MenuItem::mnuPlayers,          "mnuPlayers",          QT_TRANSLATE_NOOP("Menu", "&Players"),                  0},
    {Kind::Action,     MenuItem::mnuHuman,            "mnuHuman",            QT_TRANSLATE_NOOP("Menu", "&Human vs Human"),           1},
    //: Red is played by a person, yellow by the computer.
    {Kind::Action,     MenuItem::mnuHumComp,          "mnuHumComp",          QT_TRANSLATE_NOOP("Menu", "H&uman vs computer"),        1},
    {Kind::Action,     MenuItem::mnuComp,             "mnuComp",             QT_TRANSLATE_NOOP("Menu", "&Computer vs Computer"),     1},
    {Kind::Menu,       MenuItem::mnuHelp,             "mnuHelp",             QT_TRANSLATE_NOOP("Menu", "&Help"),                     0},
    {Kind::Action,     MenuItem::mnuHelpContents,     "mnuHelpContents",     QT_TRANSLATE_NOOP("Menu", "&Tarnel Help"),              1},
    {Kind::Separator,  MenuItem::mnuHelp,             "mnuHelpBar0",         "-",                                                    1},
    //: Opens the about window. The English text ends in a blank and names
    //: no program; other languages may write "About Tarnel".
    {Kind::Action,     MenuItem::mnuHelpAbout,        "mnuHelpAbout",        QT_TRANSLATE_NOOP("Menu", "&About "),                   1},
};
// clang-format on

// Every item of MenuItem has exactly one row, in the enum's order (the
// separators, which take no item of their own, aside); only menus stand on
// the bar, and every other row stands in the menu above it: checked as the
// program is built.
constexpr bool tableFollowsTheItems()
{
    int next = 0;
    int depth = 0;
    for (const Entry& entry : kMenuTree) {
        if (entry.depth < 0 || entry.depth > depth ||
            (entry.kind != Kind::Menu && entry.depth == 0)) {
            return false;
        }
        if (entry.kind == Kind::Separator) {
            continue;
        }
        if (static_cast<int>(entry.item) != next++) {
            return false;
        }
        depth = entry.kind == Kind::Menu ? entry.depth + 1 : entry.depth;
    }
    return next == kMenuItemCount;
}
static_assert(tableFollowsTheItems(), "one row per menu item, in MenuItem's order");

} // namespace tarnel::menus
