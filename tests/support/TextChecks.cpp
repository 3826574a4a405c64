#include "TextChecks.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <cmath>

namespace tarnel::ui::testing {

::testing::AssertionResult fits(const QWidget* widget, const QString& text)
{
    // Where the widget draws its text: a label in its contents, aligned as
    // it says; a button centred in its style's contents rectangle.
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    QString shown = !text.isEmpty() ? text : label != nullptr ? label->text() : button->text();
    QRectF room = widget->contentsRect();
    if (button != nullptr) {
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const bool centred = label == nullptr || (label->alignment() & Qt::AlignVCenter) != 0;
    const auto failure = [&](int line) {
        return ::testing::AssertionFailure() << widget->objectName().toStdString() << " \""
                                             << shown.toStdString() << "\": line " << line << ' ';
    };

    // Laid out as QPainter::drawText lays out a label's or button's text.
    QTextLayout layout(shown, widget->font());
    QTextOption option;
    option.setWrapMode(label != nullptr && label->wordWrap() ? QTextOption::WordWrap
                                                             : QTextOption::ManualWrap);
    option.setTextDirection(widget->layoutDirection());
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(widget->font()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const qreal top = centred ? (room.height() - height) / 2 : 0;

    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        // Glyphs stand on a whole-pixel baseline; every font a glyph of the
        // line is drawn in reaches whole pixels above and below it.
        qreal ascent = std::round(line.ascent());
        qreal descent = std::round(line.descent());
        for (const QGlyphRun& run : line.glyphRuns()) {
            ascent = std::max(ascent, std::round(run.rawFont().ascent()));
            descent = std::max(descent, std::round(run.rawFont().descent()));
        }
        const qreal baseline = std::round(top + line.y() + line.ascent());
        if (baseline - ascent < 0 || baseline + descent > room.height() ||
            line.naturalTextWidth() > room.width() + 0.01) {
            return failure(i + 1) << "takes " << line.naturalTextWidth() << " x "
                                  << baseline - ascent << ".." << baseline + descent << " px of "
                                  << room.width() << " x " << room.height();
        }
        // A wrapped line holds more than one letter, and does not end in a
        // number torn from its unit or in a hyphen.
        const QString words = shown.mid(line.textStart(), line.textLength()).trimmed();
        if (layout.lineCount() > 1 &&
            (words.count(QRegularExpression(QStringLiteral("[\\p{L}\\p{N}\\p{M}]"))) == 1 ||
             (i + 1 < layout.lineCount() &&
              (words.back().isDigit() || words.back() == QLatin1Char('-'))))) {
            return failure(i + 1) << "breaks in the wrong place: \"" << words.toStdString() << '"';
        }
    }
    return ::testing::AssertionSuccess();
}

namespace {
// The glyph runs of `text` laid out in `font` and its fallback fonts.
QList<QGlyphRun> glyphRuns(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    return layout.glyphRuns();
}
} // namespace

void forgetFoundFaces()
{
    // Adding and removing a font flushes Qt's caches of found faces.
    const QString folder = qEnvironmentVariable(
        "QT_QPA_FONTDIR", QStringLiteral("/usr/share/fonts/truetype/liberation"));
    const int added =
        QFontDatabase::addApplicationFont(folder + QStringLiteral("/LiberationSans-Regular.ttf"));
    ASSERT_GE(added, 0) << "no Liberation Sans in " << folder.toStdString();
    QFontDatabase::removeApplicationFont(added);
}

QString faceDrawing(const QString& text, const QFont& font)
{
    const QList<QGlyphRun> runs = glyphRuns(text.left(1), font);
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

::testing::AssertionResult fontHasEveryCharacter(const QString& text, const QFont& font)
{
    for (const QGlyphRun& run : glyphRuns(text, font)) {
        if (run.glyphIndexes().contains(0U)) {
            return ::testing::AssertionFailure()
                   << "no glyph in " << run.rawFont().familyName().toStdString()
                   << " for a character of \"" << text.toStdString() << '"';
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace tarnel::ui::testing
