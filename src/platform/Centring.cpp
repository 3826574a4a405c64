#include "Centring.h"

#include "platform/FrameExtents.h"
#include "platform/WindowSystem.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tarnel::platform {

namespace {

// Places a window once, when the program first shows it. Later showings
// (a restore after minimising, a return from another desktop) are the
// window system's, and the window stays where the person left it.
class Placer : public QObject
{
public:
    Placer(QWidget* window, std::function<QRect()> reference)
        : QObject(window), window_(window), reference_(std::move(reference))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || compositorPlacesWindows()) {
            return false;
        }
        if (event->type() == QEvent::Show && !event->spontaneous() && !placed_) {
            placed_ = true;
            place();
        }
        return false;
    }

private:
    // Shown, created, not yet mapped: the frame is asked for and the window
    // placed so that its first frame stands centred.
    void place()
    {
        QWindow* handle = window_->windowHandle();
        if (handle == nullptr) {
            return;
        }
        const std::optional<QMargins> frame = expectedFrameExtents(handle);
        setPosition(frame.value_or(QMargins()));
        if (!frame) {
            // The window manager could not say: once its frame is there, the
            // window is centred by it, that once.
            QTimer::singleShot(kFrameWaitMs, this, [this] { correct(kFrameWaitTries); });
        }
    }

    // Once, as soon as the window system knows the frame: some window
    // managers (weston's for X11 clients) cannot say before. Within the
    // first half second after the window opened, and never again.
    void correct(int triesLeft)
    {
        QWindow* handle = window_->windowHandle();
        if (handle == nullptr) {
            return;
        }
        const QMargins margins = currentFrameExtents(handle).value_or(handle->frameMargins());
        if (margins.isNull()) {
            if (triesLeft > 0) {
                QTimer::singleShot(kFrameWaitMs, this,
                                   [this, triesLeft] { correct(triesLeft - 1); });
            }
            return;
        }
        setPosition(margins);
    }

    // Centres the window with a frame of `margins`. Before the window is
    // mapped, the widget's own geometry is what the platform maps it at (a
    // position set on its platform window alone would be overwritten then);
    // after that, the platform window's. The inner geometry is set, not the
    // position: QWidget::move() means the frame's corner once the platform
    // knows the frame, as Windows does before mapping.
    void setPosition(const QMargins& margins)
    {
        const QRect reference = reference_();
        if (!reference.isValid()) {
            return;
        }
        const FramedPlace place =
            framedPlace(window_->size(), margins, reference, availableAreaUnder(reference));
        const QPoint inner = place.window;
        if (exposed()) {
            window_->windowHandle()->setPosition(inner);
        } else {
            window_->setGeometry(QRect(inner, window_->size()));
        }
    }

    bool exposed() const
    {
        const QWindow* handle = window_->windowHandle();
        return handle != nullptr && handle->isExposed();
    }

    static constexpr int kFrameWaitMs = 50;
    static constexpr int kFrameWaitTries = 10;

    QWidget* window_;
    std::function<QRect()> reference_;
    bool placed_ = false;
};
} // namespace

void placeCentred(QWidget* window, std::function<QRect()> reference)
{
    new Placer(window, std::move(reference));
}

QPoint centredCorner(const QSize& outer, const QRect& reference, const QRect& available)
{
    QPoint corner(reference.x() + (reference.width() - outer.width()) / 2,
                  reference.y() + (reference.height() - outer.height()) / 2);
    if (available.isValid()) {
        // Right and bottom first, so that the top-left corner wins when the
        // frame is larger than the area.
        corner.setX(std::min(corner.x(), available.right() + 1 - outer.width()));
        corner.setY(std::min(corner.y(), available.bottom() + 1 - outer.height()));
        corner.setX(std::max(corner.x(), available.left()));
        corner.setY(std::max(corner.y(), available.top()));
    }
    return corner;
}

FramedPlace framedPlace(const QSize& size, const QMargins& reported, const QRect& reference,
                        const QRect& available)
{
    const QMargins frame = saneFrameExtents(reported, available.size());
    const QPoint corner = centredCorner(size.grownBy(frame), reference, available);
    return {corner, corner + QPoint(frame.left(), frame.top())};
}

qsizetype screenHoldingMostOf(const QRect& reference, const QList<QRect>& screens)
{
    qsizetype best = 0;
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect common = screens[i].intersected(reference);
        const qint64 area = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

QRect availableAreaUnder(const QRect& reference)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        return {};
    }
    QList<QRect> areas;
    for (const QScreen* screen : screens) {
        areas << screen->geometry();
    }
    return screens[screenHoldingMostOf(reference, areas)]->availableGeometry();
}

QRect screenArea(const QWidget* window)
{
    const QScreen* screen = window->screen();
    return screen != nullptr ? screen->geometry() : QRect();
}

QRect outerGeometry(const QWidget* window)
{
    // QWidget::frameGeometry() learns of a frame only when the window next
    // moves or resizes; the platform window knows it as soon as it is there.
    if (const QWindow* handle = window->windowHandle(); handle != nullptr && handle->handle()) {
        const QScreen* screen = handle->screen();
        return handle->geometry().marginsAdded(saneFrameExtents(
            handle->frameMargins(), screen != nullptr ? screen->availableSize() : QSize()));
    }
    return window->frameGeometry();
}

void centreOn(QWidget* window, const QRect& reference)
{
    if (reference.isValid()) {
        window->move(centredCorner(window->size(), reference, availableAreaUnder(reference)));
    }
}

} // namespace tarnel::platform
