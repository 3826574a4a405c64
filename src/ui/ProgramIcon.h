// The program icon: a globe in a red frame, 32 x 32 pixels in 16 colours.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarnel::ui {

// The icon at its own size.
QPixmap programPixmap();
// The icon for windows: its own size and 2, 4 and 8 times that, scaled
// pixel by pixel. Built on the first call; every call returns that icon.
QIcon programIcon();

} // namespace tarnel::ui
