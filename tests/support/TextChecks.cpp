#include "TextChecks.h"

#include <QAbstractButton>
#include <QGlyphRun>
#include <QLabel>
#include <QTextLayout>

namespace tarnel::ui::testing {

::testing::AssertionResult fits(const QWidget* widget, const QString& text)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    QString shown = !text.isEmpty() ? text : label != nullptr ? label->text() : button->text();
    int needed = 0;
    int room = 0;
    if (label != nullptr && label->wordWrap()) {
        QLabel probe(shown); // laid out as the label lays out its own text
        probe.setFont(label->font());
        probe.setWordWrap(true);
        needed = probe.heightForWidth(label->width());
        room = label->height();
    } else {
        needed = QFontMetrics(widget->font()).horizontalAdvance(shown.remove(QLatin1Char('&')));
        room = widget->contentsRect().width() - (button != nullptr ? 8 : 0); // a button's frame
    }
    if (needed <= room) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << widget->objectName().toStdString() << " needs " << needed << " px of " << room
           << " for \"" << shown.toStdString() << '"';
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
