// Centring a top-level window on the screen or on its owner by its outer
// size, frame and title bar included, once: when the program opens it.
//
// A window manager puts its frame round a window only after the window has
// been mapped. So that the first frame already stands in its place, the
// frame's extents are asked of the window manager before the window is
// mapped (FrameExtents.h). The window is never moved again: a window the
// person moves, minimises and restores, or meets again on another desktop,
// stays where the person left it.
#pragma once

#include <QList>
#include <QRect>
#include <functional>

class QWidget;

namespace tarnel::platform {

// Centres `window` on the rectangle `reference` returns (global
// coordinates) when it is first shown, by its outer size, and keeps it
// within the available area of its screen. The helper lives as long as the
// window.
void placeCentred(QWidget* window, std::function<QRect()> reference);

// The top-left corner of a frame of `outer` size centred on `reference`,
// moved into `available` as far as it fits; a frame larger than `available`
// keeps its top-left corner, and with it the title bar, inside.
QPoint centredCorner(const QSize& outer, const QRect& reference, const QRect& available);

// Where a window of `size` goes so that its frame, of the extents
// `reported` (made sane first: saneFrameExtents), stands centred on
// `reference` inside `available`: the top-left corners of the frame and of
// the window itself.
struct FramedPlace
{
    QPoint frame;
    QPoint window;
};
FramedPlace framedPlace(const QSize& size, const QMargins& reported, const QRect& reference,
                        const QRect& available);

// Of `screens`, the index of the one that holds most of `reference`; 0 when
// it lies on none of them.
qsizetype screenHoldingMostOf(const QRect& reference, const QList<QRect>& screens);

// The available area of the screen that holds most of `reference`: where a
// window centred on it is kept.
QRect availableAreaUnder(const QRect& reference);

// The screen of `window`, whole.
QRect screenArea(const QWidget* window);

// The window's frame in global coordinates, as the window system knows it
// now (its inner geometry while it has no frame), of sane extents.
QRect outerGeometry(const QWidget* window);

// Centres `window` on `reference` by its inner size, before it exists: the
// estimate its first showing corrects.
void centreOn(QWidget* window, const QRect& reference);

} // namespace tarnel::platform
