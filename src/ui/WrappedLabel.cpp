#include "WrappedLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <cmath>

namespace tarnel::ui {

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setWordWrap(true);
}

void WrappedLabel::paintEvent(QPaintEvent* /*event*/)
{
    const QRect room = contentsRect();
    QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment()) &
                       Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(layoutDirection());
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    // Line under line, each starting on a whole pixel after the font's
    // leading.
    const qreal leading = QFontMetricsF(font()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();

    qreal top = room.top();
    if ((alignment() & Qt::AlignVCenter) != 0) {
        top += (room.height() - height) / 2;
    } else if ((alignment() & Qt::AlignBottom) != 0) {
        top += room.height() - height;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(room.left(), top));
}

} // namespace tarnel::ui
