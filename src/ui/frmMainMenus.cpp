// The menu bar of the main window: built from the menus' one table, and
// mirrored from MenuState after every choice.
#include "frmMain.h"
#include "menus/MenuTree.h"
#include "platform/Start.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QMenuBar>

namespace tarnel::ui {

namespace {
using menus::Entry;
using menus::Kind;
using menus::kMenuTree;
using enum MenuItem;

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
    actions_[slot(mnuNewGame)]->setShortcut(platform::newGameShortcut());
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
    // An item the session did not take (under a modal window, or past a
    // disabled menu) may have moved its own check mark: it goes back to
    // what is in force.
    if (request(Input::menu(item)) != Outcome::Taken) {
        syncMenus();
    }
}

void frmMain::menusChanged()
{
    syncMenus();
}

void frmMain::helpChosen()
{
    if (openHelp) {
        openHelp(this);
    }
}

void frmMain::aboutChosen()
{
    if (openAbout) {
        openAbout(this);
    }
}

void frmMain::exitChosen()
{
    close();
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
        action->setEnabled(MenuState::parent(item) == item ? menus().enabled(item)
                                                           : menus().reachable(item));
        if (action->isCheckable()) {
            action->setChecked(menus().checked(item));
        }
    }
}

} // namespace tarnel::ui
