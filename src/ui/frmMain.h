// The main window: the board, the status row, the timer and the menu bar.
//
// frmMain is the session's view: it forwards every click, tick, menu choice
// and score enquiry to the session, reports its modal windows opening and
// closing, and mirrors what the session tells it onto its widgets, with
// every text formatted in the player's language; it moves the focus. It
// decides nothing about play.
#pragma once

#include "engine/FieldTables.h"
#include "session/Session.h"

#include <QMainWindow>
#include <QSet>
#include <array>
#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPushButton;
class QTimer;

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
    // `tables` is borrowed and must outlive the window; it must be built
    // before load().
    explicit frmMain(const FieldTables& tables, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window's load: centre it on the screen, set the default players
    // and menus, and lay out the Normal field. The window stays hidden.
    void load();

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
    QTimer* Timer() const { return timer_; }
    QAction* action(MenuItem item) const;
    QMenu* menu(MenuItem item) const;

    const session::Session& session() const { return session_; }
    const Game& game() const { return session_.game(); }
    const MenuState& menus() const { return session_.menus(); }

    // Open the help and about windows, modal over the main window and
    // without a loop of their own, and return them; replaceable so that the
    // windows can be supplied by the start-up code.
    std::function<QDialog*(QWidget*)> openHelp;
    std::function<QDialog*(QWidget*)> openAbout;

    // One tick of Timer.
    void onTimerTick();

protected:
    // Watches the application's windows: a modal window shown or hidden is
    // told to the session, whoever opened it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void modalWindowGone(QObject* window);

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
    void returnFocusToBoard();
    bool canTakeFocus(int index) const;
    void centreOnScreen();

    session::Session session_;
    QSet<QObject*> openModals_;
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
