// Where a text is shown: that it fits its box, and that a font has every
// character of it.
#pragma once

#include <QFont>
#include <QString>
#include <gtest/gtest.h>

class QWidget;

namespace tarnel::ui::testing {

// `text` (the widget's own by default) fits the label or button `widget`:
// on its one line, or in the lines a word-wrapping label's height holds.
::testing::AssertionResult fits(const QWidget* widget, const QString& text = {});

// Laid out in `font` and the fonts Qt falls back to, no character of
// `text` is left as a missing-glyph box.
::testing::AssertionResult fontHasEveryCharacter(const QString& text, const QFont& font);

} // namespace tarnel::ui::testing
