#include "Centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace tarnel::ui {

namespace {
class CentringFilter : public QObject
{
public:
    CentringFilter(QWidget* window, std::function<QRect()> reference)
        : QObject(window), window_(window), reference_(std::move(reference))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_) {
            return false;
        }
        switch (event->type()) {
        case QEvent::Show:
            centre();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (window_->isVisible() && window_->frameGeometry().size() != centredSize_) {
                centre();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void centre()
    {
        centredSize_ = window_->frameGeometry().size();
        centreOn(window_, reference_());
    }

    QWidget* window_;
    std::function<QRect()> reference_;
    QSize centredSize_;
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

void centreOn(QWidget* window, const QRect& reference)
{
    if (!reference.isValid()) {
        return;
    }
    const QSize outer = window->frameGeometry().size();
    // QWidget::move() places a window's frame, so the outer size is used on
    // both sides.
    window->move(reference.x() + (reference.width() - outer.width()) / 2,
                 reference.y() + (reference.height() - outer.height()) / 2);
}

} // namespace tarnel::ui
