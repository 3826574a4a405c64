#include "TextChecks.h"

#include "platform/Fonts.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace tarnel::ui::testing {

namespace {
// How far, in grey levels, ink stands from its row's ground: a letter's
// faintest antialiased edge lies below it.
constexpr int kInkContrast = 24;

// Lays `layout` out as QPainter::drawText lays out a label's or button's
// text in `width`; returns where its first line starts in the widget's
// room (centred, or at the top).
qreal layOut(QTextLayout& layout, const QWidget* widget, qreal width, qreal roomHeight)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    QTextOption option;
    option.setWrapMode(label != nullptr && label->wordWrap() ? QTextOption::WordWrap
                                                             : QTextOption::ManualWrap);
    option.setTextDirection(widget->layoutDirection());
    if (label != nullptr) {
        option.setAlignment(QStyle::visualAlignment(widget->layoutDirection(), label->alignment()) &
                            Qt::AlignHorizontal_Mask);
    }
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(widget->font()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const bool centred = label == nullptr || (label->alignment() & Qt::AlignVCenter) != 0;
    return centred ? (roomHeight - height) / 2 : 0;
}
} // namespace

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
        // The margins the style gives a button it sizes to its caption,
        // and an icon with its spacing. Qt 6.4 draws the caption of an
        // icon-and-text button against its left border in right to left: no
        // room fits there.
        qreal across = std::min<qreal>(room.width(),
                                       button->width() - platform::buttonOverhead(button, option));
        if (!button->icon().isNull()) {
            if (button->isRightToLeft()) {
                return ::testing::AssertionFailure() << button->text().toStdString()
                                                     << ": an icon beside a right-to-left caption";
            }
            across -= button->iconSize().width() + 4;
        }
        room.setWidth(across);
    }
    const auto failure = [&](int line) {
        return ::testing::AssertionFailure() << widget->objectName().toStdString() << " \""
                                             << shown.toStdString() << "\": line " << line << ' ';
    };

    QTextLayout layout(shown, widget->font());
    const qreal top = layOut(layout, widget, room.width(), room.height());
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

::testing::AssertionResult roomy(QAbstractButton* button)
{
    // The ink of the middle rows, where caption and icon stand, against
    // each row's ground; the frame's own columns left out.
    const QImage image = button->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    constexpr int kFrame = 3;
    int left = image.width();
    int right = -1;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
        const int ground = qGray(image.pixel(kFrame, y));
        for (int x = kFrame; x < image.width() - kFrame; ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - ground) > kInkContrast) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const int least = QFontMetrics(button->font()).height() / 2;
    const int leftRoom = left;
    const int rightRoom = image.width() - 1 - right;
    if (right < 0 || std::min(leftRoom, rightRoom) < least) {
        return ::testing::AssertionFailure()
               << button->text().toStdString() << ": " << leftRoom << " px left and " << rightRoom
               << " px right of its ink, under " << least;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult linesAreFlush(QLabel* label)
{
    QTextLayout layout(label->text(), label->font());
    const QRect room = label->contentsRect();
    const qreal top = room.top() + layOut(layout, label, room.width(), room.height());
    const QColor paper = label->palette().color(label->backgroundRole());
    const QImage drawn = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = drawn.devicePixelRatio();
    // The same lines drawn flush, each by its own width.
    QImage flush(drawn.size(), QImage::Format_RGB32);
    flush.setDevicePixelRatio(dpr);
    flush.fill(paper);
    {
        QPainter painter(&flush);
        painter.setPen(label->palette().color(label->foregroundRole()));
        layout.draw(&painter, QPointF(room.left(), top));
    }
    const bool fromRight = (QStyle::visualAlignment(label->layoutDirection(), label->alignment()) &
                            Qt::AlignRight) != 0;
    // A line's outer edge: its outermost ink between its x-height and its
    // baseline, where no other line reaches.
    const auto edge = [&](const QImage& image, int from, int to) {
        int outer = fromRight ? -1 : image.width();
        for (int y = std::max(0, from); y < std::min(to, image.height()); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != paper.rgb()) {
                    outer = fromRight ? std::max(outer, x) : std::min(outer, x);
                }
            }
        }
        return outer;
    };
    const auto xHeight = static_cast<int>(QFontMetricsF(label->font()).xHeight() * dpr);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const auto baseline = static_cast<int>(std::round(top + line.y() + line.ascent()) * dpr);
        const int expected = edge(flush, baseline - xHeight, baseline);
        const int found = edge(drawn, baseline - xHeight, baseline);
        if (std::abs(found - expected) > dpr) {
            return ::testing::AssertionFailure()
                   << label->objectName().toStdString() << ": line " << i + 1 << " ends at x "
                   << found << ", not " << expected << " of " << drawn.width();
        }
    }
    return ::testing::AssertionSuccess();
}

QList<QImage> menuImages(QMenuBar* bar)
{
    QList<QImage> images{bar->grab().toImage()};
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        menu->resize(menu->sizeHint());
        images << menu->grab().toImage();
    }
    return images;
}

::testing::AssertionResult onlyUnderlinesAdded(const QList<QImage>& before,
                                               const QList<QImage>& after)
{
    for (qsizetype i = 0; i < before.size() && i < after.size(); ++i) {
        const QImage& plain = before[i];
        const auto dpr = static_cast<int>(std::ceil(plain.devicePixelRatio()));
        QList<int> ground; // each row's median grey
        for (int y = 0; y < plain.height(); ++y) {
            QList<int> greys;
            for (int x = 0; x < plain.width(); ++x) {
                greys << qGray(plain.pixel(x, y));
            }
            std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
            ground << greys.at(greys.size() / 2);
        }
        int changed = 0;
        for (int x = 0; x < plain.width(); ++x) {
            for (int y = 0, band = 0; y < plain.height(); ++y) {
                const bool differs = plain.pixel(x, y) != after[i].pixel(x, y);
                band = differs ? band + 1 : 0;
                changed += differs ? 1 : 0;
                if (band > 3 * dpr) {
                    return ::testing::AssertionFailure()
                           << "image " << i << ": letters changed at x " << x << ", y " << y;
                }
                // No ink of the letters drawn without an underline on its
                // pixels or beside them.
                for (int near = 0; differs && near < 9; ++near) {
                    const QPoint at(std::clamp(x + near % 3 - 1, 0, plain.width() - 1),
                                    std::clamp(y + near / 3 - 1, 0, plain.height() - 1));
                    if (std::abs(qGray(plain.pixel(at)) - ground[at.y()]) > kInkContrast) {
                        return ::testing::AssertionFailure()
                               << "image " << i << ": the underline at x " << x << ", y " << y
                               << " touches a letter, scale " << plain.devicePixelRatio();
                    }
                }
            }
        }
        if (changed == 0) {
            return ::testing::AssertionFailure() << "image " << i << ": nothing underlined";
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
