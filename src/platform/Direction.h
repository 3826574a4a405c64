// Windows whose controls stand at fixed places, as drawn for a left-to-right
// language, read right to left in a right-to-left one: each control changes
// sides as a layout would turn it, and what the window paints itself follows.
#pragma once

#include <QRect>

class QWidget;

namespace tarnel::platform {

// Moves the direct children of `container` to their mirrored places when
// the container reads right to left, and turns left-aligned labels to the
// right. Call once, after placing them.
void placeForDirection(QWidget* container);

// `logical`, a rectangle placed for left to right, where `container` shows
// it in its direction.
QRect visualRect(const QWidget* container, const QRect& logical);

} // namespace tarnel::platform
