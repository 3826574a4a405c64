// The board's elements in a web page (data/web/board.js): the page's own
// grid, menus, standing, news and dialog, over the canvas.
#pragma once

#include "platform/BoardElements.h"

class QWidget;

namespace tarnel::platform {

// The page's elements, for the board of `mainWindow`; one for the page.
BoardElements& pageElements(const QWidget* mainWindow);

} // namespace tarnel::platform
