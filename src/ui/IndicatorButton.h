// A push button that shows a picture: the turn indicators. The 50 x 45
// picture stands centred on the button and is clipped at its top and bottom,
// leaving plain margins left and right. Gray shows the plain button. While
// the button has the focus, a bar in each margin marks it.
#pragma once

#include "engine/Types.h"

#include <QPushButton>

namespace tarnel::ui {

class IndicatorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit IndicatorButton(QWidget* parent = nullptr);

    Picture picture() const { return picture_; }
    void setPicture(Picture picture);

    static constexpr int kPictureWidth = 50;
    static constexpr int kPictureHeight = 45;
    // The focus is shown by a bar this wide on each side of the picture.
    static constexpr int kFocusBarWidth = 2;

    // Where the picture stands on the button, clipped to it.
    QRect pictureRect() const;

signals:
    // An arrow key was pressed while the indicator had the focus.
    void arrowKeyPressed(Qt::Key key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Picture picture_ = Picture::Gray;
};

} // namespace tarnel::ui
