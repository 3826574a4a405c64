#include "Fonts.h"

#include <QStringList>

namespace tarnel::ui {

namespace {
QFont boldFont(const QStringList& families, QFont::StyleHint hint, qreal points)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}
} // namespace

QFont sansSerifBold(qreal points)
{
    return boldFont(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans")},
                    QFont::SansSerif, points);
}

QFont serifBold(qreal points)
{
    return boldFont(
        QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        QFont::Serif, points);
}

} // namespace tarnel::ui
