#include "IndicatorButton.h"

#include "CellButton.h"
#include "Pictures.h"

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

void IndicatorButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (picture_ == Picture::Gray) {
        return;
    }
    QPainter painter(this);
    const QRect picture((width() - kPictureWidth) / 2, (height() - kPictureHeight) / 2,
                        kPictureWidth, kPictureHeight);
    painter.fillRect(picture.intersected(rect()), pictureColour(picture_));
}

} // namespace tarnel::ui
