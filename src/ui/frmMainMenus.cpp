// The menu bar of the main window: built from one table, and mirrored from
// MenuState after every choice.
#include "ui/frmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTimer>

namespace tarnel::ui {

namespace {
enum class Kind { Menu, Action, Separator };

struct Entry
{
    Kind kind;
    MenuItem item; // unused for separators
    const char* name;
    const char* caption;
    int depth; // 0 on the bar, 1 in a menu, 2 in a submenu
};

using enum MenuItem;
// clang-format off
constexpr Entry kMenuTree[] = {
    //: The menu bar's menus and items. "&" marks the access key: each must be
    //: unique within its menu (and on the bar) and sit on a letter of the text.
    {Kind::Menu,       mnuFile,             "mnuFile",             QT_TRANSLATE_NOOP("Menu", "&Game"),                     0},
    {Kind::Action,     mnuNewGame,          "mnuNewGame",          QT_TRANSLATE_NOOP("Menu", "&New game"),                 1},
    {Kind::Separator,  mnuFile,             "mnuFileBar0",         "-",                                                    1},
    //: Leaves the program at once (Ctrl+X).
    {Kind::Action,     mnuFileExit,         "mnuFileExit",         QT_TRANSLATE_NOOP("Menu", "E&xit"),                     1},
    //: The menu of the computer's playing level, one submenu per colour.
    {Kind::Menu,       mnuDifficulty,       "mnuDifficulty",       QT_TRANSLATE_NOOP("Menu", "&Difficulty"),               0},
    //: Submenu: the level at which the computer plays red.
    {Kind::Menu,       mnuCompRed,          "mnuCompRed",          QT_TRANSLATE_NOOP("Menu", "&Red"),                      1},
    //: The three levels of the computer player, weakest first: Idiot plays a
    //: random free button, Smart the first good one, Genius the best one.
    {Kind::Action,     mnuCompRedIdiot,     "mnuCompRedIdiot",     QT_TRANSLATE_NOOP("Menu", "&Idiot"),                    2},
    {Kind::Action,     mnuCompRedSmart,     "mnuCompRedSmart",     QT_TRANSLATE_NOOP("Menu", "&Smart"),                    2},
    {Kind::Action,     mnuCompRedGenius,    "mnuCompRedGenius",    QT_TRANSLATE_NOOP("Menu", "&Genius"),                   2},
    //: Submenu: the level at which the computer plays yellow.
    {Kind::Menu,       mnuCompYellow,       "mnuCompYellow",       QT_TRANSLATE_NOOP("Menu", "&Yellow"),                   1},
    {Kind::Action,     mnuCompYellowIdiot,  "mnuCompYellowIdiot",  QT_TRANSLATE_NOOP("Menu", "&Idiot"),                    2},
    {Kind::Action,     mnuCompYellowSmart,  "mnuCompYellowSmart",  QT_TRANSLATE_NOOP("Menu", "&Smart"),                    2},
    {Kind::Action,     mnuCompYellowGenius, "mnuCompYellowGenius", QT_TRANSLATE_NOOP("Menu", "&Genius"),                   2},
    //: The menu of the five board layouts: "field" as the whole playing field,
    //: never one square of it.
    {Kind::Menu,       mnuField,            "mnuField",            QT_TRANSLATE_NOOP("Menu", "&Field"),                    0},
    //: The five board layouts, with more and more buttons out of play:
    //: Standard (none) to Impossible.
    {Kind::Action,     mnuStandard,         "mnuStandard",         QT_TRANSLATE_NOOP("Menu", "&Standard"),                 1},
    {Kind::Action,     mnuEasy,             "mnuEasy",             QT_TRANSLATE_NOOP("Menu", "&Easy"),                     1},
    {Kind::Action,     mnuNormal,           "mnuNormal",           QT_TRANSLATE_NOOP("Menu", "&Normal"),                   1},
    {Kind::Action,     mnuHard,             "mnuHard",             QT_TRANSLATE_NOOP("Menu", "&Hard"),                     1},
    {Kind::Action,     mnuImpossible,       "mnuImpossible",       QT_TRANSLATE_NOOP("Menu", "&Impossible"),               1},
    //: Who plays each colour: a person (human) or the computer.
    {Kind::Menu,       mnuPlayers,          "mnuPlayers",          QT_TRANSLATE_NOOP("Menu", "&Players"),                  0},
    {Kind::Action,     mnuHuman,            "mnuHuman",            QT_TRANSLATE_NOOP("Menu", "&Human vs Human"),           1},
    //: Red is played by a person, yellow by the computer.
    {Kind::Action,     mnuHumComp,          "mnuHumComp",          QT_TRANSLATE_NOOP("Menu", "H&uman vs computer"),        1},
    {Kind::Action,     mnuComp,             "mnuComp",             QT_TRANSLATE_NOOP("Menu", "&Computer vs Computer"),     1},
    {Kind::Menu,       mnuHelp,             "mnuHelp",             QT_TRANSLATE_NOOP("Menu", "&Help"),                     0},
    {Kind::Action,     mnuHelpContents,     "mnuHelpContents",     QT_TRANSLATE_NOOP("Menu", "&Tarnel Help"),              1},
    {Kind::Separator,  mnuHelp,             "mnuHelpBar0",         "-",                                                    1},
    //: Opens the about window. The English text ends in a blank and names
    //: no program; other languages may write "About Tarnel".
    {Kind::Action,     mnuHelpAbout,        "mnuHelpAbout",        QT_TRANSLATE_NOOP("Menu", "&About "),                   1},
};
// clang-format on

std::size_t slot(MenuItem item)
{
    return static_cast<std::size_t>(item);
}
} // namespace

void frmMain::createMenus()
{
    QMenuBar* bar = menuBar();
    std::array<QActionGroup*, menus::kCheckGroups.size()> groups{};
    for (auto& group : groups) {
        group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
    std::array<QMenu*, 3> open{}; // the menu in force at each depth

    for (const Entry& entry : kMenuTree) {
        QMenu* parent = entry.depth > 0 ? open[static_cast<std::size_t>(entry.depth - 1)] : nullptr;
        const QString caption = QCoreApplication::translate("Menu", entry.caption);
        if (entry.kind == Kind::Menu) {
            QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(QLatin1String(entry.name));
            menu->menuAction()->setObjectName(QLatin1String(entry.name));
            open[static_cast<std::size_t>(entry.depth)] = menu;
            menuWidgets_[slot(entry.item)] = menu;
            actions_[slot(entry.item)] = menu->menuAction();
            continue;
        }
        if (parent == nullptr) {
            continue; // only menus stand on the bar itself
        }
        if (entry.kind == Kind::Separator) {
            parent->addSeparator()->setObjectName(QLatin1String(entry.name));
            continue;
        }
        QAction* action = parent->addAction(caption);
        action->setObjectName(QLatin1String(entry.name));
        // An item of a check group carries one check mark with the others.
        if (const std::optional<std::size_t> group = menus::checkGroup(entry.item)) {
            action->setCheckable(true);
            groups.at(*group)->addAction(action);
        }
        const MenuItem item = entry.item;
        connect(action, &QAction::triggered, this, [this, item] { onMenuChosen(item); });
        actions_[slot(entry.item)] = action;
    }
    // Bound explicitly: the platform's standard Ctrl+X would be Cut.
    actions_[slot(mnuNewGame)]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actions_[slot(mnuFileExit)]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    syncMenus();
}

QAction* frmMain::action(MenuItem item) const
{
    return actions_.at(slot(item));
}

QMenu* frmMain::menu(MenuItem item) const
{
    return menuWidgets_.at(slot(item));
}

void frmMain::onMenuChosen(MenuItem item)
{
    if (underModalWindow()) {
        // Taken by an assistive technology past the modal window: the item
        // has moved its own check mark, which goes back to what is in force.
        syncMenus();
        return;
    }
    switch (item) {
    case mnuFileExit:
        close();
        return;
    case mnuHelpContents:
        if (openHelp) {
            openHelp(this);
        }
        return;
    case mnuHelpAbout:
        if (openAbout) {
            openAbout(this);
        }
        return;
    default:
        menus_.choose(item);
        syncMenus();
        return;
    }
}

void frmMain::syncMenus()
{
    for (int i = 0; i < kMenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        QAction* action = actions_[slot(item)];
        if (action == nullptr) {
            continue;
        }
        // An item under a disabled menu is disabled too, so that its
        // shortcut cannot reach it either.
        action->setEnabled(MenuState::parent(item) == item ? menus_.enabled(item)
                                                           : menus_.reachable(item));
        if (action->isCheckable()) {
            action->setChecked(menus_.checked(item));
        }
    }
    if (timer_->interval() != menus_.timerInterval()) {
        timer_->setInterval(menus_.timerInterval());
    }
}

} // namespace tarnel::ui
