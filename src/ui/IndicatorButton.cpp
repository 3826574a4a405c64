#include "IndicatorButton.h"

#include "platform/Contrast.h"
#include "ui/ArrowKeys.h"
#include "ui/CellButton.h"
#include "ui/Pictures.h"

#include <QKeyEvent>
#include <QPainter>

namespace tarnel::ui {

IndicatorButton::IndicatorButton(QWidget* parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void IndicatorButton::setPicture(Picture picture)
{
    if (picture_ != picture) {
        picture_ = picture;
        update();
    }
}

void IndicatorButton::keyPressEvent(QKeyEvent* event)
{
    if (const Qt::Key arrow = plainArrowKey(event); arrow != Qt::Key_unknown) {
        emit arrowKeyPressed(arrow);
        return;
    }
    QPushButton::keyPressEvent(event);
}

QRect IndicatorButton::pictureRect() const
{
    const QRect picture((width() - kPictureWidth) / 2, (height() - kPictureHeight) / 2,
                        kPictureWidth, kPictureHeight);
    return picture.intersected(rect());
}

void IndicatorButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    if (picture_ != Picture::Gray) {
        painter.fillRect(pictureRect(), pictureColour(picture_));
    }
    if (hasFocus()) {
        // The picture hides the style's focus frame, so the focus is marked
        // by two bars in the plain margins beside it, clear of the colour.
        const QRect picture = pictureRect();
        const QColor mark = platform::markColour(palette().color(QPalette::Highlight),
                                                 palette().color(QPalette::Button),
                                                 palette().color(QPalette::ButtonText));
        const int top = 3;
        const int barHeight = height() - 2 * top;
        const int gap = 2;
        painter.fillRect(
            QRect(picture.left() - gap - kFocusBarWidth, top, kFocusBarWidth, barHeight), mark);
        painter.fillRect(QRect(picture.right() + 1 + gap, top, kFocusBarWidth, barHeight), mark);
    }
}

} // namespace tarnel::ui
