// The board for screen readers and keyboards in elements beside the windows
// (a web page's own, where the windows are one canvas that a screen reader
// cannot read): a second view of the session, told all the main window is
// told, in the same words. What the player does there goes through the same
// door as the main window's requests; a modal window open over the main
// window is mirrored, and its buttons pressed, in the elements.
#pragma once

#include "engine/Types.h"
#include "menus/MenuState.h"
#include "platform/BoardElements.h"
#include "session/Session.h"
#include "session/SessionView.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

class QAbstractButton;

namespace tarnel::ui {

class frmMain;

class BoardElementsView : public QObject, public session::SessionView
{
    // Its texts are translated under its own name.
    Q_OBJECT

public:
    // `menus`, `mainWindow` and `elements` are borrowed and must outlive
    // this. `door` takes every request of the player.
    BoardElementsView(const menus::MenuState& menus, frmMain& mainWindow,
                      platform::BoardElements& elements,
                      std::function<session::Outcome(const session::Input&)> door);

    // A modal window has opened over the main window, or closed (it may be
    // being destroyed).
    void modalOpened(QWidget* window);
    void modalClosed(QWidget* window);

    // SessionView
    void newField(Int16 fieldType) override;
    void cellChanged(int index, const Cell& cell) override;
    void scoreChanged(Colour colour, Int16 points) override;
    void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) override;
    void gameOver(Int16 redPoints, Int16 yellowPoints) override;
    void menusChanged() override;
    void scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints) override;
    void helpChosen() override {}
    void aboutChosen() override {}
    void exitChosen() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tellStatus();
    void placeCells();
    void mirror(QWidget* window);

    const menus::MenuState& menus_;
    frmMain& mainWindow_;
    platform::BoardElements& elements_;
    std::function<session::Outcome(const session::Input&)> door_;
    std::array<Cell, kCellCount> cells_{};
    std::array<Int16, 2> points_{};
    std::optional<Colour> toMove_;
    std::optional<Move> after_;
    int focusedCell_ = 0;
    QWidget* dialogWindow_ = nullptr; // compared only: it may be gone
    QPointer<QWidget> dialog_;
    std::vector<QPointer<QAbstractButton>> dialogButtons_;
};

} // namespace tarnel::ui
