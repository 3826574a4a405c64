// The arrow keys that move the keyboard focus on the board and lead back to
// it from the status row.
#pragma once

#include <QKeyEvent>

namespace tarnel::ui {

// The key of an arrow pressed without modifiers, or Qt::Key_unknown.
inline Qt::Key plainArrowKey(const QKeyEvent* event)
{
    const auto key = static_cast<Qt::Key>(event->key());
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    return arrow && event->modifiers() == Qt::NoModifier ? key : Qt::Key_unknown;
}

} // namespace tarnel::ui
