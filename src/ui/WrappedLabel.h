// A label whose text wraps at word breaks, every line flush with the edge
// its alignment names, in either direction of writing.
#pragma once

#include <QLabel>

namespace tarnel::ui {

class WrappedLabel : public QLabel
{
public:
    WrappedLabel(const QString& text, QWidget* parent);

protected:
    // Lays the lines out as QPainter::drawText does, but aligns each line by
    // its own text: drawText sets every right-to-left line but the last in
    // from the right edge by the space it wrapped at.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarnel::ui
