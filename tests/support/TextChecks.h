// Checks of what a text looks like where it is shown: that it fits its box
// and that a font has every character of it.
#pragma once

#include <QFont>
#include <QString>
#include <gtest/gtest.h>

class QWidget;

namespace tarnel::ui::testing {

// The text of a label or a button fits the widget: on its one line, or,
// for a word-wrapping label, in the lines its height holds.
::testing::AssertionResult fitsItsBox(const QWidget* widget);

// The text of `widget` would fit it if it read `text`.
::testing::AssertionResult wouldFit(const QWidget* widget, const QString& text);

// Every character of `text` is drawn by a real glyph when laid out in
// `font`, with the fonts Qt falls back to: none is left as a missing-glyph
// box.
::testing::AssertionResult fontHasEveryCharacter(const QString& text, const QFont& font);

} // namespace tarnel::ui::testing
