#include "support/TextChecks.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLabel>
#include <QTextLayout>

namespace tarnel::ui::testing {

namespace {
QString shownText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    return {};
}
} // namespace

::testing::AssertionResult wouldFit(const QWidget* widget, const QString& text)
{
    const QFontMetrics metrics(widget->font());
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap()) {
        // Laid out as the label lays out its own text.
        QLabel probe(text);
        probe.setFont(label->font());
        probe.setWordWrap(true);
        probe.setMargin(label->margin());
        const int needed = probe.heightForWidth(label->width());
        if (needed <= label->height()) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << widget->objectName().toStdString() << " needs " << needed << " px of "
               << label->height() << " in height for \"" << text.toStdString() << '"';
    }
    // A button keeps a few pixels each side for its frame.
    const int margin = qobject_cast<const QAbstractButton*>(widget) != nullptr ? 8 : 0;
    const int width = metrics.horizontalAdvance(plain);
    if (width <= widget->contentsRect().width() - margin) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << widget->objectName().toStdString() << " needs " << width << " px of "
           << widget->contentsRect().width() - margin << " for \"" << text.toStdString() << '"';
}

::testing::AssertionResult fitsItsBox(const QWidget* widget)
{
    return wouldFit(widget, shownText(widget));
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
