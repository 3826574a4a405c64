#include "Centring.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace tarnel::ui {

namespace {
class CentringFilter : public QObject
{
public:
    CentringFilter(QWidget* window, std::function<QRect()> reference)
        : QObject(window), window_(window), reference_(std::move(reference))
    {
        window->installEventFilter(this);
        // Some window managers frame a window where it stands, without
        // moving it and so without an event, and some place a new window
        // themselves once it is mapped: for a short while after the window
        // is shown, it is put back in the centre whenever it is not there.
        watch_.setInterval(kWatchIntervalMs);
        connect(&watch_, &QTimer::timeout, this, [this] {
            if (!centred()) {
                centreOn(window_, reference_());
            }
            if (watched_.elapsed() > kWatchForMs) {
                watch_.stop();
            }
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            // The platform may still apply an older position as it maps the
            // window, and the frame comes later: the watch puts it right.
            centreOn(window_, reference_());
            watched_.start();
            watch_.start();
        }
        return false;
    }

private:
    static constexpr int kWatchIntervalMs = 20;
    static constexpr int kWatchForMs = 1500;

    bool centred() const
    {
        const QRect outer = outerGeometry(window_);
        const QRect reference = reference_();
        const QPoint offset = outer.center() - reference.center();
        return !reference.isValid() || (std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1);
    }

    QWidget* window_;
    std::function<QRect()> reference_;
    QTimer watch_;
    QElapsedTimer watched_;
};
} // namespace

void keepCentred(QWidget* window, std::function<QRect()> reference)
{
    new CentringFilter(window, std::move(reference));
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
        return handle->frameGeometry();
    }
    return window->frameGeometry();
}

void centreOn(QWidget* window, const QRect& reference)
{
    if (!reference.isValid()) {
        return;
    }
    const QSize outer = outerGeometry(window).size();
    const QPoint corner(reference.x() + (reference.width() - outer.width()) / 2,
                        reference.y() + (reference.height() - outer.height()) / 2);
    if (QWindow* handle = window->windowHandle(); handle != nullptr && handle->handle()) {
        // The inner position, from the frame as it is known now: the same
        // whichever way the window system reads positions.
        const QMargins frame = handle->frameMargins();
        handle->setPosition(corner + QPoint(frame.left(), frame.top()));
    } else {
        window->move(corner); // before the window exists, move() places its frame
    }
}

} // namespace tarnel::ui
