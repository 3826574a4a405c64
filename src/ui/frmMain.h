// The main window: the board, the status row, the timer and the menu bar.
//
// frmMain is the game's view: the engine owns the state and tells the window
// what happened through GameView; the window mirrors it onto its widgets,
// formats every text in the player's language, moves the focus, and turns
// clicks, ticks and menu choices into calls on the engine. No game rule
// lives here.
#pragma once

#include "engine/FieldTables.h"
#include "engine/Game.h"
#include "engine/GameView.h"
#include "menus/MenuState.h"
#include "players/ComputerPlayer.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace tarnel::ui {

using menus::kMenuItemCount;
using menus::MenuItem;
using menus::MenuState;

class CellButton;
class IndicatorButton;

// Geometry of the window's client area at scale 1, in pixels.
constexpr int kClientWidth = 495;
constexpr int kClientHeight = 356;
constexpr int kCellSize = 34;
constexpr int kCellPitch = 33;
constexpr int kStatusTop = 331;
constexpr int kStatusHeight = 26;

class frmMain : public QMainWindow, public GameView
{
    Q_OBJECT

public:
    // `tables` is borrowed and must outlive the window; it must be built
    // before load().
    explicit frmMain(const FieldTables& tables, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window's load: centre it on the screen, set the default players
    // and menus, and lay out the Normal field. The window stays hidden.
    void load();

    // GameView
    void cellChanged(int index, const Cell& cell) override;
    void scoreChanged(Colour colour, Int16 points) override;
    void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) override;
    void gameOver(Int16 redPoints, Int16 yellowPoints) override;

    // The controls, by their names.
    CellButton* Knop(int index) const { return knop_.at(static_cast<std::size_t>(index)); }
    IndicatorButton* btnRed() const { return btnRed_; }
    IndicatorButton* btnYellow() const { return btnYellow_; }
    QPushButton* btnRedPoints() const { return btnRedPoints_; }
    QPushButton* btnYellowPoints() const { return btnYellowPoints_; }
    QTimer* Timer() const { return timer_; }
    QAction* action(MenuItem item) const;
    QMenu* menu(MenuItem item) const;

    const Game& game() const { return game_; }
    const MenuState& menus() const { return menus_; }

    // Opens the help and about windows; replaceable so that the windows can
    // be supplied by the start-up code.
    std::function<void(QWidget*)> openHelp;
    std::function<void(QWidget*)> openAbout;

    // One tick of Timer: the computer's turn.
    void onTimerTick();

private:
    // While a modal window is open the window takes no action, from the
    // accessibility bus neither: the mouse and keyboard are blocked by Qt,
    // but an assistive technology can press a control directly.
    static bool underModalWindow();

    void createBoard(QWidget* client);
    void createStatusRow(QWidget* client);
    void createMenus();
    void onMenuChosen(MenuItem item);
    void syncMenus();
    void showScoreEnquiry(Colour asking);
    // A modal information box with the application title and one OK; shown
    // without waiting for it. `closed` runs once it has been closed.
    void showMessage(const QString& text, const std::function<void()>& closed = {});
    // Keyboard play: arrows walk the board, skipping cells that take no
    // focus and stopping at its edges; from an indicator they lead back.
    void moveBoardFocus(int from, Qt::Key key);
    void returnFocusToBoard();
    bool canTakeFocus(int index) const;
    void centreOnScreen();

    Game game_;
    ComputerPlayer computer_; // beside the game, for the life of the window
    MenuState menus_;
    std::array<CellButton*, kCellCount> knop_{};
    IndicatorButton* btnRed_ = nullptr;
    IndicatorButton* btnYellow_ = nullptr;
    QPushButton* btnRedPoints_ = nullptr;
    QPushButton* btnYellowPoints_ = nullptr;
    QTimer* timer_ = nullptr;
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<QMenu*, kMenuItemCount> menuWidgets_{};
    int lastFocusedCell_ = 0;
};

} // namespace tarnel::ui
