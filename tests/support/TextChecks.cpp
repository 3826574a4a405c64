#include "TextChecks.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <cmath>

namespace tarnel::ui::testing {

namespace {
// Where the widget draws its text, and how.
struct Box
{
    QRectF room;
    bool wrap = false;
    Qt::Alignment vertical = Qt::AlignTop;
};

Box boxOf(const QWidget* widget, const QString& text)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return {label->contentsRect(), label->wordWrap(),
                label->alignment() & Qt::AlignVertical_Mask};
    }
    // A push button draws its label centred in the style's contents
    // rectangle, inside its frame.
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button), false,
            Qt::AlignVCenter};
}

// The letters and digits of a line, without blanks and punctuation.
QString wordsOf(const QString& line)
{
    QString words;
    for (const QChar c : line) {
        if (c.isLetterOrNumber() || c.isMark()) {
            words += c;
        }
    }
    return words;
}
} // namespace

::testing::AssertionResult fits(const QWidget* widget, const QString& text)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    QString shown = !text.isEmpty() ? text : label != nullptr ? label->text() : button->text();
    if (button != nullptr) {
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }
    const Box box = boxOf(widget, shown);
    const QString name = widget->objectName();
    const auto failure = [&] {
        return ::testing::AssertionFailure()
               << name.toStdString() << " \"" << shown.toStdString() << "\": ";
    };

    // Laid out as QPainter::drawText lays out a label's or button's text.
    QTextLayout layout(shown, widget->font());
    QTextOption option;
    option.setWrapMode(box.wrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
    option.setTextDirection(widget->layoutDirection());
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(widget->font()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.room.width());
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const qreal top = box.vertical == Qt::AlignVCenter ? (box.room.height() - height) / 2 : 0;

    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        // The line's own extent, widened by every font a glyph of it is
        // drawn in; glyphs stand on a whole-pixel baseline and each font
        // reaches whole pixels above and below it, as its metrics round.
        qreal ascent = std::round(line.ascent());
        qreal descent = std::round(line.descent());
        for (const QGlyphRun& run : line.glyphRuns()) {
            ascent = std::max(ascent, std::round(run.rawFont().ascent()));
            descent = std::max(descent, std::round(run.rawFont().descent()));
        }
        const qreal baseline = std::round(top + line.y() + line.ascent());
        if (baseline - ascent < 0 || baseline + descent > box.room.height()) {
            return failure() << "line " << i + 1 << " takes " << baseline - ascent << " to "
                             << baseline + descent << " px of " << box.room.height() << " px high";
        }
        if (line.naturalTextWidth() > box.room.width() + 0.01) {
            return failure() << "line " << i + 1 << " is " << line.naturalTextWidth()
                             << " px wide of " << box.room.width();
        }
        if (layout.lineCount() == 1) {
            continue;
        }
        const QString words = wordsOf(shown.mid(line.textStart(), line.textLength()));
        const QString ending = shown.mid(line.textStart(), line.textLength()).trimmed();
        if (words.size() == 1) {
            return failure() << "line " << i + 1 << " holds a lone character";
        }
        if (i + 1 < layout.lineCount() && !ending.isEmpty() &&
            (ending.back().isDigit() || ending.back() == QLatin1Char('-'))) {
            return failure() << "line " << i + 1 << " ends in \""
                             << QString(ending.back()).toStdString()
                             << "\", torn from what follows";
        }
    }
    return ::testing::AssertionSuccess();
}

QString faceDrawing(const QString& text, const QFont& font)
{
    QTextLayout layout(text.left(1), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns();
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

::testing::AssertionResult fontHasEveryCharacter(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0U)) {
            return ::testing::AssertionFailure()
                   << "no glyph in " << run.rawFont().familyName().toStdString()
                   << " for a character of \"" << text.toStdString() << '"';
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace tarnel::ui::testing
