#include "Fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tarnel::platform {

namespace {
// The faces of each language whose letters the classic faces lack or draw
// only in part: sans serif, then serif; the free Noto faces first, then the
// ones Windows ships. Han, Devanagari, Bengali and Thai faces come after the
// classic faces, which keep the Latin letters and digits; Vietnamese is
// written in one face whole, as mixing faces within a word would show.
struct LanguageFaces
{
    const char* language;
    bool whole;
    std::array<const char*, 2> sans;
    std::array<const char*, 2> serif;
};
constexpr std::array<LanguageFaces, 8> kLanguageFaces{{
    {"ja", false, {"Noto Sans CJK JP", "Yu Gothic UI"}, {"Noto Serif CJK JP", "Yu Mincho"}},
    {"ko", false, {"Noto Sans CJK KR", "Malgun Gothic"}, {"Noto Serif CJK KR", "Batang"}},
    {"zh_CN", false, {"Noto Sans CJK SC", "Microsoft YaHei"}, {"Noto Serif CJK SC", "SimSun"}},
    {"zh_TW", false, {"Noto Sans CJK TC", "Microsoft JhengHei"}, {"Noto Serif CJK TC", "PMingLiU"}},
    {"hi", false, {"Noto Sans Devanagari", "Nirmala UI"}, {"Noto Serif Devanagari", "Nirmala UI"}},
    {"bn", false, {"Noto Sans Bengali", "Nirmala UI"}, {"Noto Serif Bengali", "Nirmala UI"}},
    {"th", false, {"Noto Sans Thai", "Leelawadee UI"}, {"Noto Serif Thai", "Leelawadee UI"}},
    {"vi", true, {"Noto Sans", "Segoe UI"}, {"Noto Serif", "Times New Roman"}},
}};

struct FaceChoice
{
    bool whole = false;
    QStringList sans;
    QStringList serif;
    QFont applicationDefault; // as it was before any language touched it
    bool saved = false;
};

FaceChoice& faceChoice()
{
    static FaceChoice choice;
    return choice;
}

QStringList familyNames(const std::array<const char*, 2>& names)
{
    return {QLatin1String(names[0]), QLatin1String(names[1])};
}

QFont font(QStringList families, QFont::StyleHint hint, qreal points, bool bold)
{
    const FaceChoice& choice = faceChoice();
    const QStringList& language = hint == QFont::Serif ? choice.serif : choice.sans;
    families = choice.whole ? language + families : families + language;
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

// A button's caption as drawn: without the marks of its access key.
QString shownCaption(const QAbstractButton* button)
{
    static const QRegularExpression mark(QStringLiteral("&(?!&)"));
    return QString(button->text()).remove(mark);
}

// The room the styles leave between a button's icon and its caption.
constexpr int kIconSpacing = 4;
// The smallest step by which a font is made smaller to fit.
constexpr qreal kPointStep = 0.25;
constexpr qreal kSmallestPoints = 6;
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

void setLanguageFaces(const QString& language)
{
    FaceChoice& choice = faceChoice();
    if (!choice.saved) {
        choice.applicationDefault = QApplication::font();
        choice.saved = true;
    }
    const auto* faces =
        std::find_if(kLanguageFaces.begin(), kLanguageFaces.end(),
                     [&](const LanguageFaces& f) { return language == QLatin1String(f.language); });
    if (faces == kLanguageFaces.end()) {
        choice.whole = false;
        choice.sans.clear();
        choice.serif.clear();
        QApplication::setFont(choice.applicationDefault);
        return;
    }
    choice.whole = faces->whole;
    choice.sans = familyNames(faces->sans);
    choice.serif = familyNames(faces->serif);
    // The default font by the face it really is (a generic name such as
    // "Sans Serif" would hand every character to the language's face).
    const QStringList own{QFontInfo(choice.applicationDefault).family()};
    QFont withLanguage = choice.applicationDefault;
    withLanguage.setFamilies(choice.whole ? choice.sans + own : own + choice.sans);
    QApplication::setFont(withLanguage);
}

namespace {
// How far a laid-out line's glyphs reach above and below its baseline, in
// every font that draws them: each reaches whole pixels, as its metrics
// round.
struct Reach
{
    qreal ascent;
    qreal descent;
};

Reach reach(const QTextLine& line)
{
    Reach reach{std::round(line.ascent()), std::round(line.descent())};
    for (const QGlyphRun& run : line.glyphRuns()) {
        reach.ascent = std::max(reach.ascent, std::round(run.rawFont().ascent()));
        reach.descent = std::max(reach.descent, std::round(run.rawFont().descent()));
    }
    return reach;
}

// The height the lines of `label`'s text take in `font`, laid out as the
// label lays them out (wrapped at its width where it wraps; aligned to its
// top): down to the lowest glyph, or more than any room where a glyph
// reaches above the top.
int textHeight(const QLabel* label, const QFont& font)
{
    QTextOption option;
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    QTextLayout layout(label->text(), font);
    layout.setTextOption(option);
    // Line under line, each from a whole pixel after the font's leading, as
    // the labels draw them.
    const qreal leading = QFontMetricsF(font).leading();
    qreal y = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        y = std::ceil(y + leading);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    int bottom = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const Reach ink = reach(line);
        // Glyphs stand on a whole-pixel baseline.
        const qreal baseline = std::round(line.y() + line.ascent());
        if (baseline - ink.ascent < 0) {
            return std::numeric_limits<int>::max(); // no room below helps
        }
        bottom = std::max(bottom, static_cast<int>(baseline + ink.descent));
    }
    return bottom;
}
} // namespace

int lineHeight(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return 0;
    }
    const Reach ink = reach(line);
    return static_cast<int>(ink.ascent + ink.descent);
}

void fitLines(QLabel* label, int maxHeight)
{
    QFont font = label->font();
    int needed = textHeight(label, font);
    while (needed > maxHeight && font.pointSizeF() - kPointStep >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kPointStep);
        needed = textHeight(label, font);
    }
    if (font != label->font()) {
        label->setFont(font);
    }
    if (needed > label->height()) {
        label->resize(label->width(), std::min(needed, maxHeight));
    }
}

int buttonOverhead(const QWidget* button, const QStyleOptionButton& option)
{
    // Measured on a caption wide enough that no minimum width of the style
    // comes into it.
    constexpr int kWide = 1000;
    return button->style()
               ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(kWide, 0), button)
               .width() -
           kWide;
}

void fitCaption(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QSize room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
    // Across, the caption keeps the margins the style gives a button it
    // sizes to its caption: ink that reaches the frame reads as cut.
    const int across = std::min(room.width(), button->width() - buttonOverhead(button, option));
    const QString caption = shownCaption(button);
    const auto fits = [&](const QFont& font) {
        return QFontMetrics(font).horizontalAdvance(caption) <= across &&
               lineHeight(caption, font) <= room.height();
    };
    QFont font = button->font();
    while (!fits(font) && font.pointSizeF() - kPointStep >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kPointStep);
    }
    if (font != button->font()) {
        button->setFont(font);
    }
}

void padCaption(QAbstractButton* button)
{
    const QFontMetrics metrics(button->font());
    const QString caption = shownCaption(button);
    int content = metrics.horizontalAdvance(caption);
    if (!button->icon().isNull()) {
        content += button->iconSize().width() + kIconSpacing;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    const int wanted = content + 2 * metrics.height() + buttonOverhead(button, option);
    button->setMinimumWidth(std::max(button->minimumWidth(), wanted));
}

} // namespace tarnel::platform
