#include "AccessKeys.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProxyStyle>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QStyleOptionMenuItem>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <optional>

namespace tarnel::platform {

namespace {
// Further than any caption reaches.
constexpr qreal kFar = 1e6;

// A caption's access key: the letter after a lone '&', and where it stands
// in the caption as drawn, without the '&'s. No key: -1.
struct Key
{
    QString shown;
    qsizetype at = -1;
};
Key accessKey(const QString& caption)
{
    Key key;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            if (caption.at(i) != QLatin1Char('&') && key.at < 0) {
                key.at = key.shown.size();
            }
        }
        key.shown += caption.at(i);
    }
    return key;
}

// A run of text a style drew: where it starts on its baseline, in device
// coordinates, and how.
struct DrawnRun
{
    QPointF origin;
    QString text;
    QFont font;
    QColor colour;
    bool rightToLeft = false;
};

// A paint device that draws nothing and notes the runs of text drawn on it,
// at the resolution of the device it stands in for.
class RunRecorder : public QPaintDevice
{
public:
    explicit RunRecorder(const QPaintDevice* like) : like_(like) {}
    QList<DrawnRun> runs;
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return like_->logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return like_->logicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 1 << 16; // width, height, millimetres, colours
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(RunRecorder* recorder)
            : QPaintEngine(QPaintEngine::AllFeatures), recorder_(recorder)
        {
        }
        bool begin(QPaintDevice* /*device*/) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& /*state*/) override {}
        Type type() const override { return QPaintEngine::User; }
        void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override
        {
        }
        void drawImage(const QRectF& /*r*/, const QImage& /*pm*/, const QRectF& /*sr*/,
                       Qt::ImageConversionFlags /*flags*/) override
        {
        }
        void drawPath(const QPainterPath& /*path*/) override {}
        void drawPolygon(const QPointF* /*points*/, int /*count*/,
                         PolygonDrawMode /*mode*/) override
        {
        }
        void drawPolygon(const QPoint* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override
        {
        }
        void drawTextItem(const QPointF& origin, const QTextItem& item) override
        {
            recorder_->runs.append({state->transform().map(origin), item.text(), item.font(),
                                    state->pen().color(),
                                    item.renderFlags().testFlag(QTextItem::RightToLeft)});
        }

    private:
        RunRecorder* recorder_;
    };

    const QPaintDevice* like_;
    mutable Engine engine_{this};
};

// Lays `layout` out on one line from x = 0, as a style draws a caption.
QTextLine layOut(QTextLayout& layout, bool rightToLeft)
{
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

// How far below the baseline the ink of `line` reaches between `left` and
// `right`: every glyph measured in the face that drew it, fallback faces
// included, by its outline (round letters' overshoot too, which the face's
// whole-pixel box leaves out).
qreal inkDepth(const QTextLine& line, qreal left, qreal right)
{
    const qreal baseline = line.y() + line.ascent();
    qreal depth = 0;
    for (const QGlyphRun& glyphs : line.glyphRuns()) {
        const QRawFont face = glyphs.rawFont();
        const QList<quint32> indexes = glyphs.glyphIndexes();
        const QList<QPointF> positions = glyphs.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const QRectF ink = face.pathForGlyph(indexes[i])
                                   .boundingRect()
                                   .united(face.boundingRect(indexes[i]))
                                   .translated(positions.at(i));
            if (!ink.isEmpty() && ink.right() > left && ink.left() < right) {
                depth = std::max(depth, ink.bottom() - baseline);
            }
        }
    }
    return depth;
}

// Where the underline of the key's letter goes in its run: across the
// letter, and below the ink of every glyph that reaches within `near` of
// it (the letter's own dots, a neighbour's tail or descender). Across from
// the run's origin, down from its baseline.
struct Mark
{
    qreal left = 0;
    qreal right = 0;
    qreal inkDepth = 0;
};
Mark markFor(const DrawnRun& run, int at, const QPaintDevice* device, qreal near)
{
    QTextLayout layout(run.text, run.font, device);
    const QTextLine line = layOut(layout, run.rightToLeft);
    const qreal from = line.cursorToX(at);
    const qreal to = line.cursorToX(at + 1);
    Mark mark{std::min(from, to), std::max(from, to), 0};
    mark.inkDepth = inkDepth(line, mark.left - near, mark.right + near);
    return mark;
}

// Draws by `draw`, which draws `caption` whole, without its underline, and
// then underlines the key's letter where the whole word put it: an
// underline set as a format of its own would cut the word into pieces
// shaped apart, each letter in the form it takes alone. The line lies in
// whole pixels of the device, one of them clear between it and the ink
// above, and inside `room`, the item's or button's rectangle: where the
// letters reach lower than that leaves room for, it takes the rectangle's
// last rows.
void drawMarked(QPainter* painter, const QString& caption, const QRect& room,
                const std::function<void(QPainter*)>& draw)
{
    draw(painter);
    const Key key = accessKey(caption);
    if (key.at < 0 || painter->device() == nullptr) {
        return;
    }
    RunRecorder recorder(painter->device());
    {
        QPainter noting(&recorder);
        noting.setFont(painter->font());
        noting.setPen(painter->pen());
        noting.setLayoutDirection(painter->layoutDirection());
        noting.setWorldTransform(painter->worldTransform());
        draw(&noting);
    }
    // The last run that holds the key: a disabled caption is drawn twice,
    // etched below and to the right first.
    const auto holdsKey = [&key](const DrawnRun& run) {
        const qsizetype start = key.shown.indexOf(run.text);
        return start >= 0 && key.at >= start && key.at < start + run.text.size();
    };
    const auto found = std::find_if(recorder.runs.crbegin(), recorder.runs.crend(), holdsKey);
    if (found == recorder.runs.crend()) {
        return;
    }
    const DrawnRun& run = *found;

    // In the device's pixels: the runs were noted through the world
    // transform, which the device's own (its offset, its scale) follows.
    const QRectF bounds = painter->deviceTransform().mapRect(QRectF(room));
    painter->save();
    painter->setWorldTransform(QTransform());
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = toDevice.m22();
    const QPointF origin = toDevice.map(run.origin);
    // Glyphs within a pixel and a half reach a pixel beside the line's ends
    // once both are rounded to the device's pixels.
    const Mark mark = markFor(run, static_cast<int>(key.at - key.shown.indexOf(run.text)),
                              painter->device(), 1.5 / scale);
    // A glyph's baseline falls on a whole pixel, at most the next one down.
    const qreal inkBottom = std::ceil(origin.y() - 0.01) + mark.inkDepth * scale;
    const int thickness =
        std::max(1, qRound(QFontMetricsF(run.font, painter->device()).lineWidth() * scale));
    // One row clear below the ink, the line inside the rectangle.
    int top = static_cast<int>(std::ceil(inkBottom - 0.01)) + 1;
    top = std::min(top, static_cast<int>(std::floor(bounds.bottom() + 0.01)) - thickness);
    const int left = qRound(origin.x() + mark.left * scale);
    const int right = std::max(left + 1, qRound(origin.x() + mark.right * scale));
    painter->setWorldTransform(toDevice.inverted());
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(QRect(left, top, right - left, thickness), run.colour);
    painter->restore();
}

// The application's style, which draws the access keys' underlines itself,
// held back until Alt is pressed where they show only with Alt.
class AccessKeyStyle : public QProxyStyle
{
public:
    AccessKeyStyle() : QProxyStyle(QApplication::style()->name())
    {
        qApp->installEventFilter(this);
    }

    void setUntilAlt(bool untilAlt)
    {
        untilAlt_ = untilAlt;
        altHeld_ = false;
        repaintAll();
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_UnderlineShortcut && (drawingWhole_ || (untilAlt_ && !altHeld_))) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // A style sizes a menu title or item to its caption in the font's
    // height; a fallback face may draw it deeper (the tails of Arabic
    // letters), which leaves its underline no room. The item grows by twice
    // as much, its caption centred in it.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        QSize grown = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr && (type == CT_MenuBarItem || type == CT_MenuItem)) {
            const QFont font = widget != nullptr ? widget->font() : item->font;
            const QString caption = accessKey(item->text.section(QLatin1Char('\t'), 0, 0)).shown;
            const QString known = font.key() + QLatin1Char('\n') + caption;
            if (!extraHeights_.contains(known)) { // items are sized often, captions seldom change
                QTextLayout layout(caption, font);
                const qreal below =
                    inkDepth(layOut(layout, false), -kFar, kFar) - QFontMetricsF(font).descent();
                extraHeights_.insert(known, 2 * std::max(0, static_cast<int>(std::ceil(below))));
            }
            grown.rheight() += extraHeights_.value(known);
        }
        return grown;
    }

    // Where the underlines show, the captions of menu titles, menu items and
    // buttons are drawn whole and their keys marked after, in every
    // language: the underline Qt draws with a letter runs through its
    // descender (p, ç, ę) and splits the word's shaping at the key. Caught
    // here, where every style draws them: several draw their captions
    // themselves, past drawItemText (the Windows styles' menu bar, every
    // style's menus).
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QString caption;
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            item != nullptr && (element == CE_MenuItem || element == CE_MenuBarItem)) {
            caption = item->text.section(QLatin1Char('\t'), 0, 0);
        } else if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
                   button != nullptr && element == CE_PushButtonLabel) {
            caption = button->text;
        }
        if (caption.isEmpty() || styleHint(SH_UnderlineShortcut, option, widget, nullptr) == 0) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // A menu item's caption goes to the style without its mark: drawn
        // whole, the style would hide the '&' yet count it when it elides
        // the caption to the room it has, and a caption of wide letters
        // (Japanese) that just fits loses its last ones.
        std::optional<QStyleOptionMenuItem> unmarked;
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            item != nullptr && element == CE_MenuItem) {
            unmarked = *item;
            const qsizetype tab = item->text.indexOf(QLatin1Char('\t'));
            QString shown = accessKey(caption).shown;
            unmarked->text = shown.replace(QLatin1Char('&'), QLatin1String("&&")) +
                             (tab >= 0 ? item->text.mid(tab) : QString());
        }
        const QStyleOption* drawn = unmarked ? &*unmarked : option;
        drawingWhole_ = true;
        drawMarked(painter, caption, option->rect,
                   [&](QPainter* on) { QProxyStyle::drawControl(element, drawn, on, widget); });
        drawingWhole_ = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (untilAlt_) {
            const QEvent::Type type = event->type();
            if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
                const auto* key = static_cast<QKeyEvent*>(event);
                holdAlt(key->key() == Qt::Key_Alt ? type == QEvent::KeyPress
                                                  : key->modifiers().testFlag(Qt::AltModifier));
            } else if (type == QEvent::ApplicationDeactivate) {
                holdAlt(false);
            }
        }
        return QProxyStyle::eventFilter(watched, event);
    }

private:
    void holdAlt(bool held)
    {
        if (held != altHeld_) {
            altHeld_ = held;
            repaintAll();
        }
    }

    static void repaintAll()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->update();
            for (QWidget* child : window->findChildren<QWidget*>()) {
                child->update();
            }
        }
    }

    bool untilAlt_ = false;
    bool altHeld_ = false;
    mutable bool drawingWhole_ = false;        // inside a menu item drawn whole
    mutable QHash<QString, int> extraHeights_; // by font and caption
};

QPointer<AccessKeyStyle>& installedStyle()
{
    static QPointer<AccessKeyStyle> style;
    return style;
}
} // namespace

bool writesJoinedLetters(const QString& language)
{
    return language == QLatin1String("ar") || language == QLatin1String("fa");
}

void showAccessKeysOnlyWithAlt(bool untilAlt)
{
    QPointer<AccessKeyStyle>& style = installedStyle();
    if (!style) {
        style = new AccessKeyStyle; // the application owns it
        QApplication::setStyle(style);
    }
    style->setUntilAlt(untilAlt);
}

} // namespace tarnel::platform
