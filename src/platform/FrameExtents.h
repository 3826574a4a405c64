// The width of the frame a window manager will put round a window, asked
// before the window is mapped.
#pragma once

#include <QMargins>
#include <optional>

class QWindow;

namespace tarnel::platform {

// The extents of the frame `window` will get: left, top (title bar
// included), right, bottom. On Windows they follow from the window's style. On X11 the window
// manager is asked with _NET_REQUEST_FRAME_EXTENTS and answers on the unmapped window; with no
// window manager the extents are zero; elsewhere, or when the window
// manager does not answer, they are unknown. Blocks for at most 50 ms, at
// the opening of a window, and not at all once the window manager has left
// a request unanswered.
std::optional<QMargins> expectedFrameExtents(QWindow* window);

// The extents of the frame `window` has now, read from the window tree (the
// window manager's frame window round it), for window managers that do not
// tell them (weston's for X11 clients); unknown before the window is framed
// or off X11.
std::optional<QMargins> currentFrameExtents(QWindow* window);

} // namespace tarnel::platform
