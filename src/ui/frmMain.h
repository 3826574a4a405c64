// The main window: the board, the status row and the menu bar.
//
// frmMain is a view of the session: it forwards every click, menu choice,
// score enquiry and closed result to the session's door, and mirrors what
// the session tells it onto its widgets, with every text formatted in the
// player's language; it moves the focus. It decides nothing about play.
#pragma once

#include "menus/MenuState.h"
#include "session/Session.h"
#include "session/SessionView.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPushButton;

namespace tarnel::ui {

using menus::kMenuItemCount;
using menus::MenuItem;
using menus::MenuState;
using session::Input;
using session::Outcome;

class CellButton;
class IndicatorButton;

// Geometry of the window's client area at scale 1, in pixels.
constexpr int kClientWidth = 495;
constexpr int kClientHeight = 356;
constexpr int kCellSize = 34;
constexpr int kCellPitch = 33;
constexpr int kStatusTop = 331;
constexpr int kStatusHeight = 26;

class frmMain : public QMainWindow, public session::SessionView
{
    Q_OBJECT

public:
    // `menus` is borrowed: the rules the menu bar mirrors, which must
    // outlive the window.
    explicit frmMain(const MenuState& menus, QWidget* parent = nullptr);
    ~frmMain() override;

    // Where every request goes: the session's door.
    std::function<Outcome(const Input&)> forward;

    // Centres the window on its screen, by its inner size until it is
    // first shown (then by its frame).
    void centreOnScreen();
    // Back to the board: to the cell last visited, or the next free one.
    void returnFocusToBoard();

    // SessionView
    void newField(Int16 fieldType) override;
    void cellChanged(int index, const Cell& cell) override;
    void scoreChanged(Colour colour, Int16 points) override;
    void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) override;
    void gameOver(Int16 redPoints, Int16 yellowPoints) override;
    void menusChanged() override;
    void scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints) override;
    void helpChosen() override;
    void aboutChosen() override;
    void exitChosen() override;

    // The controls, by their names.
    CellButton* Knop(int index) const { return knop_.at(static_cast<std::size_t>(index)); }
    IndicatorButton* btnRed() const { return btnRed_; }
    IndicatorButton* btnYellow() const { return btnYellow_; }
    QPushButton* btnRedPoints() const { return btnRedPoints_; }
    QPushButton* btnYellowPoints() const { return btnYellowPoints_; }
    QAction* action(MenuItem item) const;
    QMenu* menu(MenuItem item) const;

    const MenuState& menus() const { return menus_; }

    // Open the help and about windows, modal over the main window and
    // without a loop of their own, and return them; replaceable so that the
    // windows can be supplied by the start-up code.
    std::function<QDialog*(QWidget*)> openHelp;
    std::function<QDialog*(QWidget*)> openAbout;

private:
    void createBoard(QWidget* client);
    void createStatusRow(QWidget* client);
    void createMenus();
    void onMenuChosen(MenuItem item);
    void syncMenus();
    // A modal information box with the application title and one OK; shown
    // without waiting for it. `closed` runs once it has been closed.
    void showMessage(const QString& text, const std::function<void()>& closed = {});
    // Keyboard play: arrows walk the board, skipping cells that take no
    // focus and stopping at its edges; from an indicator they lead back.
    void moveBoardFocus(int from, Qt::Key key);
    bool canTakeFocus(int index) const;
    Outcome request(const Input& input) const
    {
        return forward ? forward(input) : Outcome::Ignored;
    }

    const MenuState& menus_;
    std::array<CellButton*, kCellCount> knop_{};
    IndicatorButton* btnRed_ = nullptr;
    IndicatorButton* btnYellow_ = nullptr;
    QPushButton* btnRedPoints_ = nullptr;
    QPushButton* btnYellowPoints_ = nullptr;
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<QMenu*, kMenuItemCount> menuWidgets_{};
    int lastFocusedCell_ = 0;
};

} // namespace tarnel::ui
