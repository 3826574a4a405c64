// Playing with the keyboard alone: the arrow keys walk the board in two
// dimensions and Space takes the focused cell, as a click does.
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
    int dRow = 0;
    int dColumn = 0;
    switch (key) {
    case Qt::Key_Left:
        dColumn = -1;
        break;
    case Qt::Key_Right:
        dColumn = 1;
        break;
    case Qt::Key_Up:
        dRow = -1;
        break;
    case Qt::Key_Down:
        dRow = 1;
        break;
    default:
        return;
    }
    int row = from / kColumns + dRow;
    int column = from % kColumns + dColumn;
    // The first cell on the way that can take the focus; none past the edge.
    while (row >= 0 && row < kRows && column >= 0 && column < kColumns) {
        const int index = row * kColumns + column;
        if (canTakeFocus(index)) {
            Knop(index)->setFocus(Qt::OtherFocusReason);
            return;
        }
        row += dRow;
        column += dColumn;
    }
}

void frmMain::returnFocusToBoard()
{
    // Back to the cell last visited, or the next one after it that is free.
    for (int step = 0; step < kCellCount; ++step) {
        const int index = (lastFocusedCell_ + step) % kCellCount;
        if (canTakeFocus(index)) {
            Knop(index)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace tarnel::ui
