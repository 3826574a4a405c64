// The board in elements of the platform's own beside the game's windows, for
// screen readers and keyboards where the windows cannot reach them (a web
// page's canvas): the cells, the standing, what just happened, the menus and
// the window open over the board. A view hands them everything already in
// words; the elements hand back what the player did.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tarnel::platform {

class BoardElements
{
public:
    enum class CellKind { Free, Red, Yellow, OutOfPlay };
    enum class Arrow { Left, Right, Up, Down };

    struct MenuEntry
    {
        int item = -1;    // handed back when chosen; -1 for a separator
        int depth = 0;    // 0 on the bar, 1 in a menu, 2 in a submenu
        QString caption;  // without access-key marks
        QChar accessKey;  // the letter marked, if any
        QString shortcut; // "Ctrl+N", as the menus show it
        bool opensMenu = false;
        bool checkable = false;
        bool checked = false;
        bool enabled = true;
    };

    // What the player does in the elements.
    struct Player
    {
        std::function<void(int cell)> takeCell;
        // Where the focus goes from `cell` by an arrow: a cell, or -1 to stay.
        std::function<int(int cell, Arrow arrow)> walk;
        std::function<void(int item)> chooseMenu;
        std::function<void(bool red)> askScore;
        std::function<void(int button)> pressDialogButton;
        std::function<void()> closeDialog;
    };

    virtual ~BoardElements() = default;

    // Once, before anything else: the names of the board and of its parts.
    virtual void build(const QString& boardName, const QString& menuBarName, Player player) = 0;
    virtual void setCell(int index, CellKind kind, const QString& name) = 0;
    // Both standings, each a button that asks the score, and whose turn it is.
    virtual void setStatus(const QString& red, const QString& yellow, const QString& turn) = 0;
    // Said once, politely, by a screen reader.
    virtual void announce(const QString& text) = 0;
    virtual void setMenus(const std::vector<MenuEntry>& entries) = 0;
    // Moves the focus to `cell` if the focus is on the board.
    virtual void focusCell(int cell) = 0;
    // Where the cells stand over the window, in the window system's logical
    // pixels: the first cell's rectangle, and the step to the next.
    virtual void placeCells(const QRect& firstCell, int pitch) = 0;
    // A modal window over the board: its title, its texts, its buttons; the
    // focus goes to the button at `defaultButton`.
    virtual void showDialog(const QString& title, const QStringList& texts,
                            const QStringList& buttons, int defaultButton) = 0;
    virtual void closeDialog() = 0;
};

} // namespace tarnel::platform
