// Centring a top-level window on the screen or on its owner by its outer
// size, frame and title bar included.
//
// A window manager puts its frame round a window only after the window has
// been shown, so a window centred by its inner size alone would stand half
// a title bar too low. The helper centres the window when it is shown and
// keeps it centred for the moment the window manager takes to frame and
// place it; after that it leaves a window that the person moves alone.
#pragma once

#include <QRect>
#include <functional>

class QWidget;

namespace tarnel::ui {

// Keeps `window` centred on the rectangle `reference` returns, in global
// coordinates. The helper lives as long as the window.
void keepCentred(QWidget* window, std::function<QRect()> reference);

// The screen of `window`, for keepCentred.
QRect screenArea(const QWidget* window);

// The window's frame in global coordinates, as the window system knows it
// now (its inner geometry while it has no frame).
QRect outerGeometry(const QWidget* window);

// Centres `window` on `reference` by its outer size at once.
void centreOn(QWidget* window, const QRect& reference);

} // namespace tarnel::ui
