// The program icon: a globe in a red frame, 32 x 32 pixels in 16 colours.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarnel::ui {

// The icon at its own size.
QPixmap programPixmap();
// The icon for windows: its own size and twice that, scaled pixel by pixel.
QIcon programIcon();

} // namespace tarnel::ui
