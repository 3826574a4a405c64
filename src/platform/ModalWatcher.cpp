#include "ModalWatcher.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tarnel::platform {

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> opened,
                           std::function<void(QWidget*)> closed)
    : opened_(std::move(opened)), closed_(std::move(closed))
{
    qApp->installEventFilter(this);
}

ModalWatcher::~ModalWatcher()
{
    // The windows still open tell nothing more.
    qApp->removeEventFilter(this);
    for (QObject* window : std::as_const(open_)) {
        disconnect(window, &QObject::destroyed, this, nullptr);
    }
}

bool ModalWatcher::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous() &&
        watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal()) {
            if (type == QEvent::Hide) {
                gone(watched);
            } else if (!open_.contains(watched)) {
                open_.insert(watched);
                connect(watched, &QObject::destroyed, this, [this, watched] { gone(watched); });
                opened_(static_cast<QWidget*>(watched));
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalWatcher::gone(QObject* window)
{
    if (!open_.remove(window)) {
        return;
    }
    disconnect(window, &QObject::destroyed, this, nullptr);
    // Only widgets are watched; one being destroyed is told all the same.
    closed_(static_cast<QWidget*>(window));
    if (open_.isEmpty() && allClosed_) {
        allClosed_();
    }
}

} // namespace tarnel::platform
