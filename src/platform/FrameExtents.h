// The width of the frame a window manager will put round a window, asked
// before the window is mapped.
#pragma once

#include <QMargins>
#include <QSize>
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

// The extents a window is placed by, whatever the window manager reported:
// none below 0, and none above 200 px or a quarter of the width (left,
// right) or height (top, bottom) of `area`, the available area of the
// screen. The thickest real frame, a title bar at three times the scale,
// is about 120 px; a quarter of the area keeps the window's own corner well
// inside even a small screen. A window manager that reports 0x7fffffff or
// 3000 px no longer puts the window off the screen.
QMargins saneFrameExtents(const QMargins& reported, const QSize& area);

} // namespace tarnel::platform
