// Where a text is shown: that it is laid out whole inside its box, and that
// a font has every character of it.
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <gtest/gtest.h>

class QAbstractButton;
class QLabel;
class QMenuBar;
class QWidget;

namespace tarnel::ui::testing {

// `text` (the widget's own by default), laid out as the label or button
// `widget` lays it out, lies whole inside its contents: every line, in
// every font it is drawn with (fallback fonts included), from the top of
// its tallest glyph to the bottom of its deepest, and across. A wrapped
// text breaks where a reader expects: no line ends in a number (torn from
// its unit) or a hyphen, and no line holds a lone character. A button's
// caption also keeps the style's margin and leaves room for its icon.
::testing::AssertionResult fits(const QWidget* widget, const QString& text = {});

// The ink of `button`'s caption and icon, as drawn, stands clear of its
// frame on either side by half a line's height at least: the room a short
// caption has in a button of the style's least width.
::testing::AssertionResult roomy(QAbstractButton* button);

// Every line of the word-wrapped `label` as drawn stands flush with the
// edge its alignment names: its outermost letters within a pixel of the
// other lines'.
::testing::AssertionResult linesAreFlush(QLabel* label);

// What `bar` and every menu under it draw now, one image each.
QList<QImage> menuImages(QMenuBar* bar);

// `after` adds underlines to `before`, clear of its letters, and changes
// nothing else: in each column the pixels that differ lie in bands at most
// three rows high, with no ink of `before` within a pixel of them, and some
// differ in every image. A letter drawn in another form changes rows across
// its whole height.
::testing::AssertionResult onlyUnderlinesAdded(const QList<QImage>& before,
                                               const QList<QImage>& after);

// Laid out in `font` and the fonts Qt falls back to, no character of
// `text` is left as a missing-glyph box.
::testing::AssertionResult fontHasEveryCharacter(const QString& text, const QFont& font);

// Makes Qt forget the faces it has found for fonts so far, as it does when
// the fonts on offer change: a language chosen afterwards picks its own
// Han faces, also in a process that has shown another language before.
void forgetFoundFaces();

// The face that draws the first character of `text` in `font`, fallback
// fonts included.
QString faceDrawing(const QString& text, const QFont& font);

} // namespace tarnel::ui::testing
