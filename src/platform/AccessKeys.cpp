#include "AccessKeys.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStyleOptionMenuItem>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace tarnel::platform {

namespace {
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

// Draws by `draw`, which draws `caption` whole, without its underline, and
// then underlines the key's letter where the whole word put it: an
// underline set as a format of its own would cut the word into pieces
// shaped apart, each letter in the form it takes alone.
void drawMarked(QPainter* painter, const QString& caption,
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
    // The key's letter within its run, shaped as the run is.
    QTextLayout layout(run.text, run.font, painter->device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(run.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const auto at = static_cast<int>(key.at - key.shown.indexOf(run.text));
    const qreal from = line.cursorToX(at);
    const qreal to = line.cursorToX(at + 1);
    const QFontMetricsF metrics(run.font, painter->device());
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->fillRect(QRectF(run.origin.x() + std::min(from, to),
                             run.origin.y() + metrics.underlinePos(), std::abs(to - from),
                             std::max<qreal>(1, metrics.lineWidth())),
                      run.colour);
    painter->restore();
}

// The application's style, with the underline hint held back until Alt is
// pressed.
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
        if (hint == SH_UnderlineShortcut && untilAlt_ && (!altHeld_ || drawingWhole_)) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // With Alt held, the captions of menu titles, menu items and buttons are
    // drawn whole and their keys marked after. Caught here, where every
    // style draws them: several draw their captions themselves, past
    // drawItemText (the Windows styles' menu bar, every style's menus).
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
        if (caption.isEmpty() || !marking()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        drawingWhole_ = true;
        drawMarked(painter, caption,
                   [&](QPainter* on) { QProxyStyle::drawControl(element, option, on, widget); });
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

    bool marking() const { return untilAlt_ && altHeld_ && !drawingWhole_; }

    bool untilAlt_ = false;
    bool altHeld_ = false;
    mutable bool drawingWhole_ = false; // inside a menu item drawn whole
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
        if (!untilAlt) {
            return; // the style as it is shows them always
        }
        style = new AccessKeyStyle; // the application owns it
        QApplication::setStyle(style);
    }
    style->setUntilAlt(untilAlt);
}

} // namespace tarnel::platform
