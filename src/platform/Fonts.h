// The fonts of the windows. The classic faces are asked for first; where a
// platform lacks them, the metric-compatible Liberation faces stand in
// (narrower than most default sans serifs, so captions keep fitting).
//
// Each language's letters are drawn by faces that have them: Han
// characters in the shapes of the language the game speaks (Japanese 説,
// Traditional Chinese 說), whatever the locale says; Devanagari, Bengali and
// Thai by their scripts' faces; Vietnamese by one face that has every one of
// its letters. Every font of the windows, the application's default font
// included, names the language's faces.
#pragma once

#include <QFont>

class QLabel;
class QAbstractButton;
class QPushButton;
class QStyleOptionButton;
class QWidget;

namespace tarnel::platform {

// "MS Sans Serif" at `points`, regular and bold.
QFont sansSerif(qreal points);
QFont sansSerifBold(qreal points);
// "Times New Roman" at `points`, bold.
QFont serifBold(qreal points);

// Makes the fonts above, and the application's default font, draw the
// letters of `language` ("ja", "ko", "zh_CN", "zh_TW", "hi", "bn", "th",
// "vi") in its faces; any other, or "" for English, leaves the choice to the
// font configuration.
void setLanguageFaces(const QString& language);

// The height one line of `text` takes in `font` and the fonts Qt falls back
// to for its characters: from the top of the tallest to the bottom of the
// deepest, in whole pixels.
int lineHeight(const QString& text, const QFont& font);

// Lets the lines of `label` (aligned to its top) show whole: the label
// grows downwards as far as `maxHeight`, the room above the next control,
// and where even that is too little its font gets smaller until the lines
// fit. A label whose lines fit keeps its height and font.
void fitLines(QLabel* label, int maxHeight);

// What the style adds across to a caption when it sizes a push button to
// it: frame, margins and default-button indicator.
int buttonOverhead(const QWidget* button, const QStyleOptionButton& option);

// Lets the caption of the fixed-size push button `button` show whole: where
// it is wider than the style would have it in a button of this width, or
// taller than the room inside the button's frame (a Windows style leaves
// less, and Han faces stand taller), its font gets smaller until it fits.
void fitCaption(QPushButton* button);

// Gives the caption of `button`, which its layout sizes, a line's height of
// room on either side of it and its icon, as a short caption has in a
// button of the style's least width: a long caption (Gaelic's OK, "Ceart
// ma-thà") would otherwise get the style's few pixels of margin alone.
void padCaption(QAbstractButton* button);

} // namespace tarnel::platform
