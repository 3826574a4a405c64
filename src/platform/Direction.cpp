#include "Direction.h"

#include <QLabel>
#include <QStyle>
#include <QWidget>

namespace tarnel::platform {

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
        if (child->isWindow()) {
            continue;
        }
        child->setGeometry(visualRect(container, child->geometry()));
        // A label aligns by its text's own direction: a Latin name such as
        // "Tarnel" would cling to the left. It keeps to the side the window
        // reads from instead.
        if (auto* label = qobject_cast<QLabel*>(child);
            label != nullptr && (label->alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignLeft) {
            label->setAlignment((label->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight |
                                Qt::AlignAbsolute);
        }
    }
}

} // namespace tarnel::platform
