// A board button. It is checkable (a click flips its pressed state before
// clicked() is emitted) and paints itself: a free button shows a plain
// raised or sunken face that meets its neighbours without a gap; a taken
// button, which is disabled, shows its owner's flat colour over the whole
// face. Painting is done at the device's resolution, so it stays sharp at
// any scale factor.
#pragma once

#include "engine/Types.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace tarnel::ui {

// Presents board buttons to assistive technology as plain push buttons
// whose name carries the cell's state ("Row 1, column 1, free"), instead of
// check boxes that are "not checked". Call once before the first board
// button is shown; calling again does nothing.
void installCellAccessibility();

class CellButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CellButton(QWidget* parent = nullptr);

    Picture owner() const { return owner_; }
    void setOwner(Picture owner);

    // A fixed face colour for an enabled button (the help window's drawing
    // buttons use dark red); invalid means the palette's button colour.
    void setFaceColour(const QColor& colour);

signals:
    // An arrow key was pressed while the button had the focus.
    void arrowKeyPressed(Qt::Key key);
    // The button took the focus.
    void focusTaken();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void paintFocusMark(QPainter& painter, const QColor& mark) const;

    static constexpr int kFocusInset = 4;
    static constexpr int kFocusWidth = 2;

    Picture owner_ = Picture::Gray;
    QColor faceColour_;
};

} // namespace tarnel::ui
