#include "Direction.h"

#include <QStyle>
#include <QWidget>

namespace tarnel::ui {

QRect visualRect(const QWidget* container, const QRect& logical)
{
    return QStyle::visualRect(container->layoutDirection(), container->rect(), logical);
}

void placeForDirection(QWidget* container)
{
    if (!container->isRightToLeft()) {
        return;
    }
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            child->setGeometry(visualRect(container, child->geometry()));
        }
    }
}

} // namespace tarnel::ui
