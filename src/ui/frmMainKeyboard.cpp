// Playing with the keyboard alone: the arrow keys walk the board in two
// dimensions and Space takes the focused cell, as a click does.
#include "engine/BoardWalk.h"
#include "frmMain.h"
#include "ui/CellButton.h"
#include "ui/IndicatorButton.h"

namespace tarnel::ui {

bool frmMain::canTakeFocus(int index) const
{
    const CellButton* button = Knop(index);
    return button->isVisibleTo(this) && button->isEnabled();
}

void frmMain::moveBoardFocus(int from, Qt::Key key)
{
    Step step = Step::Left;
    switch (key) {
    case Qt::Key_Left:
        break;
    case Qt::Key_Right:
        step = Step::Right;
        break;
    case Qt::Key_Up:
        step = Step::Up;
        break;
    case Qt::Key_Down:
        step = Step::Down;
        break;
    default:
        return;
    }
    if (const auto to = walkFrom(from, step, [this](int index) { return canTakeFocus(index); })) {
        Knop(*to)->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::returnFocusToBoard()
{
    // Back to the cell last visited, or the next one after it that is free.
    if (const auto to =
            firstFrom(lastFocusedCell_, [this](int index) { return canTakeFocus(index); })) {
        Knop(*to)->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace tarnel::ui
