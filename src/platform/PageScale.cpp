// The windows scaled whole to the page's room: up where the viewport is
// large, as a screen of higher density draws them, and down where it is
// small by widening the page's layout, which the browser then shows whole,
// as it shows any page wider than a phone; again whenever the room changes
// (a phone turned, a browser window resized). Qt draws its widgets whole
// only at scales of 1 and more, so the browser does the scaling down.
#include "Page.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <cmath>
#include <emscripten/val.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

namespace tarnel::platform {

namespace {
using emscripten::val;

QPlatformWindow* platformWindow(QWidget* window)
{
    return window->windowHandle() != nullptr ? window->windowHandle()->handle() : nullptr;
}

// The room the browser gives the page, in its pixels at a zoom of 1: the
// same whatever the page's layout width and however far the player zooms.
QSizeF deviceRoom()
{
    const val window = val::global("window");
    const val visual = window["visualViewport"];
    if (visual.isUndefined() || visual.isNull()) {
        return {window["innerWidth"].as<double>(), window["innerHeight"].as<double>()};
    }
    const double zoom = visual["scale"].as<double>();
    return QSizeF(visual["width"].as<double>(), visual["height"].as<double>()) * zoom;
}

// Lays the page out `width` pixels wide, or as wide as the device when 0.
void setLayoutWidth(int width)
{
    const std::string content = width > 0 ? "width=" + std::to_string(width)
                                          : std::string("width=device-width, initial-scale=1");
    val meta =
        val::global("document").call<val>("querySelector", std::string("meta[name=viewport]"));
    if (!meta.isNull() && meta["content"].as<std::string>() != content) {
        meta.set("content", content);
    }
}

// The scale for Qt at which `mainWindow`, its frame and menu bar included,
// fills the page as far as it fits, rounded down so that it never passes an
// edge; where the device is too small for scale 1, the page is laid out
// wider instead. The frame is the page's window system's: it keeps its
// size in the page's pixels whatever the scale, so it is measured there.
double fittingScale(QWidget* mainWindow)
{
    const QMargins frame = platformWindow(mainWindow)->frameMargins();
    const QSizeF design = mainWindow->size();
    const QSizeF outer = design.grownBy(frame);
    const QSizeF room = deviceRoom();
    const double fit = std::min((room.width() - frame.left() - frame.right()) / design.width(),
                                (room.height() - frame.top() - frame.bottom()) / design.height());
    if (fit < 1.0) {
        const double wide = std::max(outer.width(), outer.height() * room.width() / room.height());
        setLayoutWidth(static_cast<int>(std::ceil(wide)));
        return 1.0;
    }
    setLayoutWidth(0);
    return std::floor(1000 * fit) / 1000;
}

// Puts the client area of `window` with its centre at `centre`, in the
// page's pixels, at `scale`.
void place(QWidget* window, QPointF centre, double scale)
{
    const QPointF topLeft = centre / scale - QPointF(window->width(), window->height()) / 2;
    window->windowHandle()->setGeometry(QRect(topLeft.toPoint(), window->size()));
}

// The centre of the client area that centres `window` with its frame in
// `room`, all in the page's pixels.
QPointF centredIn(QWidget* window, QSize room)
{
    const QMargins frame = platformWindow(window)->frameMargins();
    return QPointF(room.width() - frame.right() + frame.left(),
                   room.height() - frame.bottom() + frame.top()) /
           2;
}

void fit(QWidget* mainWindow)
{
    // What the window system has queued (the viewport's other changes) is
    // taken in first; a change it brings is fitted here.
    static bool fitting = false;
    if (fitting) {
        return;
    }
    fitting = true;
    QWindowSystemInterface::flushWindowSystemEvents();

    // Set every time, also to the same scale: the screen's own geometry is
    // worked out anew from the page's only then.
    QScreen* screen = mainWindow->screen();
    const double before = QHighDpiScaling::factor(screen);
    const double scale = fittingScale(mainWindow);
    QHighDpiScaling::setScreenFactor(screen, scale);

    // The main window is centred, and the windows over it keep their place
    // on it in their own pixels; before it is shown, each window is centred
    // on its own. The page's pixels are the ones the window system keeps.
    const QSize room = screen->handle()->geometry().size();
    const QPointF oldMain = QRectF(platformWindow(mainWindow)->geometry()).center();
    const QPointF newMain = centredIn(mainWindow, room);
    QList<QWindow*> placed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (platformWindow(window) == nullptr || (!window->isVisible() && window != mainWindow)) {
            continue;
        }
        const QPointF old = QRectF(platformWindow(window)->geometry()).center();
        place(window,
              mainWindow->isVisible() ? newMain + (old - oldMain) * (scale / before)
                                      : centredIn(window, room),
              scale);
        placed << window->windowHandle();
    }
    QWindowSystemInterface::flushWindowSystemEvents();

    // Then what Qt does for a window moved to a screen of another density:
    // every widget told, the store of pixels made anew and painted whole.
    if (scale != before) {
        for (QWindow* window : placed) {
            QMetaObject::invokeMethod(window, "handleScreenChange");
        }
    }
    fitting = false;
}

} // namespace

void fitWindowsToPage(QWidget* mainWindow)
{
    // Its size and frame, known before it is first shown.
    mainWindow->adjustSize();
    mainWindow->winId();
    fit(mainWindow);
    QObject::connect(mainWindow->screen(), &QScreen::geometryChanged, mainWindow,
                     [mainWindow] { fit(mainWindow); });
}

} // namespace tarnel::platform
