#include "GameTexts.h"

namespace tarnel::ui {

namespace {
int row(int index)
{
    return index / kColumns + 1;
}
int column(int index)
{
    return index % kColumns + 1;
}
} // namespace

QString GameTexts::scoreCaption(Colour colour, Int16 points)
{
    // Singular for exactly 1: a new field starts at "0 points", and every
    // move scores at least 1.
    if (colour == Colour::Red) {
        return points == 1 ? tr("Red has 1 point") : tr("Red has %1 points").arg(points);
    }
    return points == 1 ? tr("Yellow has 1 point") : tr("Yellow has %1 points").arg(points);
}

QString GameTexts::result(Int16 redPoints, Int16 yellowPoints)
{
    const QString heading = tr("G A M E  O V E R") + QStringLiteral("\n\r\n\r");
    if (redPoints > yellowPoints) {
        return heading + tr("Red wins with %1 points to %2.").arg(redPoints).arg(yellowPoints);
    }
    if (yellowPoints > redPoints) {
        return heading + tr("yellow wins with %1 points to %2.").arg(yellowPoints).arg(redPoints);
    }
    return heading + tr("No winner ... no loser. Both have %1 points.").arg(redPoints);
}

QString GameTexts::scoreEnquiry(Colour asking, Int16 redPoints, Int16 yellowPoints)
{
    const bool red = asking == Colour::Red;
    const Int16 own = red ? redPoints : yellowPoints;
    const Int16 other = red ? yellowPoints : redPoints;
    if (own > other) {
        const Int16 lead = checkedSub(own, other);
        if (lead == 1) {
            return red ? tr("Red is 1 point in front of yellow.")
                       : tr("Yellow is 1 point in front of red.");
        }
        return (red ? tr("Red is %1 points in front of yellow.")
                    : tr("Yellow is %1 points in front of red."))
            .arg(lead);
    }
    if (own == other) {
        if (own == 1) {
            return red ? tr("Red has 1 point. Well, well so does yellow.")
                       : tr("Yellow has 1 point. Well, well so does red.");
        }
        return (red ? tr("Red has %1 points. Well, well so does yellow.")
                    : tr("Yellow has %1 points. Well, well so does red."))
            .arg(own);
    }
    const Int16 gap = checkedSub(other, own);
    if (gap == 1) {
        return red ? tr("Red is 1 point behind yellow.") : tr("Yellow is 1 point behind red.");
    }
    return (red ? tr("Red is %1 points behind yellow.") : tr("Yellow is %1 points behind red."))
        .arg(gap);
}

QString GameTexts::cellName(int index, Picture owner)
{
    switch (owner) {
    case Picture::red:
        return tr("Row %1, column %2, red").arg(row(index)).arg(column(index));
    case Picture::yellow:
        return tr("Row %1, column %2, yellow").arg(row(index)).arg(column(index));
    case Picture::Gray:
        return tr("Row %1, column %2, free").arg(row(index)).arg(column(index));
    case Picture::Blue:
        break;
    }
    return tr("Row %1, column %2, out of play").arg(row(index)).arg(column(index));
}

QString GameTexts::indicatorName(Colour colour, bool toMove, std::optional<Move> after)
{
    const bool red = colour == Colour::Red;
    if (!toMove) {
        return red ? tr("Red waits") : tr("Yellow waits");
    }
    if (!after) {
        return red ? tr("Red to move") : tr("Yellow to move");
    }
    const int index = after->index;
    if (after->colour == Colour::Red) {
        return (red ? tr("Red to move. Red took row %1, column %2.")
                    : tr("Yellow to move. Red took row %1, column %2."))
            .arg(row(index))
            .arg(column(index));
    }
    return (red ? tr("Red to move. Yellow took row %1, column %2.")
                : tr("Yellow to move. Yellow took row %1, column %2."))
        .arg(row(index))
        .arg(column(index));
}

} // namespace tarnel::ui
