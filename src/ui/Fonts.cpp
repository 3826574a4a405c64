#include "Fonts.h"

#include <QStringList>

namespace tarnel::ui {

namespace {
QFont font(const QStringList& families, QFont::StyleHint hint, qreal points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

const QStringList& sansSerifFamilies()
{
    static const QStringList families{QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                                      QStringLiteral("Liberation Sans")};
    return families;
}
} // namespace

QFont sansSerif(qreal points)
{
    return font(sansSerifFamilies(), QFont::SansSerif, points, false);
}

QFont sansSerifBold(qreal points)
{
    return font(sansSerifFamilies(), QFont::SansSerif, points, true);
}

QFont serifBold(qreal points)
{
    return font(QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
                QFont::Serif, points, true);
}

} // namespace tarnel::ui
