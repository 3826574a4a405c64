#include "CellButton.h"

#include "platform/Contrast.h"
#include "ui/ArrowKeys.h"
#include "ui/Pictures.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace tarnel::ui {

namespace {
// A board button as a screen reader should meet it: a push button, never
// checkable or checked (its pressed state means nothing to the game), with
// one action, Press, which clicks it as the mouse would.
class CellAccessible : public QAccessibleWidget
{
public:
    explicit CellAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = false;
        state.checked = false;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            if (widget()->isEnabled() && widget()->isVisible()) {
                static_cast<QAbstractButton*>(widget())->click();
            }
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* cellAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(CellButton::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType()) {
        return new CellAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}
} // namespace

void installCellAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(cellAccessibleFactory);
        return true;
    }();
    (void)installed;
}

CellButton::CellButton(QWidget* parent) : QPushButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellButton::setOwner(Picture owner)
{
    if (owner_ != owner) {
        owner_ = owner;
        update();
    }
}

void CellButton::setFaceColour(const QColor& colour)
{
    faceColour_ = colour;
    update();
}

void CellButton::keyPressEvent(QKeyEvent* event)
{
    if (const Qt::Key arrow = plainArrowKey(event); arrow != Qt::Key_unknown) {
        emit arrowKeyPressed(arrow);
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CellButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    emit focusTaken();
}

void CellButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect r = rect();

    // A disabled button shows its owner picture edge to edge.
    if (!isEnabled() && owner_ != Picture::Gray) {
        const QColor colour = pictureColour(owner_);
        painter.fillRect(r, colour);
        paintFocusMark(painter, platform::contrastRatio(Qt::black, colour) >
                                        platform::contrastRatio(Qt::white, colour)
                                    ? QColor(Qt::black)
                                    : QColor(Qt::white));
        return;
    }

    // The plain face with a classic two-step bevel, raised or sunken.
    const QColor face = faceColour_.isValid() ? faceColour_ : palette().color(QPalette::Button);
    painter.fillRect(r, face);
    const bool sunken = isDown() || isChecked();
    const QColor light = palette().color(QPalette::Light);
    const QColor mid = palette().color(QPalette::Mid);
    // The edge that shows between free cells stands out from the face (3:1)
    // on any palette, so that a free cell differs from a taken one by its
    // raised shape and not by colour alone; a high-contrast palette whose
    // shadow is its face gets the button text's colour there.
    const QColor shadow = platform::markColour(palette().color(QPalette::Shadow), face,
                                               palette().color(QPalette::ButtonText));
    const QColor outerTopLeft = sunken ? shadow : light;
    const QColor outerBottomRight = sunken ? light : shadow;
    const QColor innerBottomRight = sunken ? face : mid;
    const QColor innerTopLeft = sunken ? mid : face;

    const int x0 = r.left();
    const int y0 = r.top();
    const int x1 = r.right();
    const int y1 = r.bottom();
    painter.fillRect(QRect(x0, y0, r.width(), 1), outerTopLeft);
    painter.fillRect(QRect(x0, y0, 1, r.height()), outerTopLeft);
    painter.fillRect(QRect(x0, y1, r.width(), 1), outerBottomRight);
    painter.fillRect(QRect(x1, y0, 1, r.height()), outerBottomRight);
    painter.fillRect(QRect(x0 + 1, y0 + 1, r.width() - 2, 1), innerTopLeft);
    painter.fillRect(QRect(x0 + 1, y0 + 1, 1, r.height() - 2), innerTopLeft);
    painter.fillRect(QRect(x0 + 1, y1 - 1, r.width() - 2, 1), innerBottomRight);
    painter.fillRect(QRect(x1 - 1, y0 + 1, 1, r.height() - 2), innerBottomRight);

    paintFocusMark(painter, platform::markColour(palette().color(QPalette::Highlight), face,
                                                 palette().color(QPalette::ButtonText)));
}

void CellButton::paintFocusMark(QPainter& painter, const QColor& mark) const
{
    // Whenever the button has the focus, however it came: a ring two pixels
    // wide inside the bevel, 3:1 from the face it is drawn on.
    if (!hasFocus()) {
        return;
    }
    const QRect ring = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), kFocusWidth), mark);
    painter.fillRect(QRect(ring.left(), ring.bottom() + 1 - kFocusWidth, ring.width(), kFocusWidth),
                     mark);
    painter.fillRect(QRect(ring.left(), ring.top(), kFocusWidth, ring.height()), mark);
    painter.fillRect(QRect(ring.right() + 1 - kFocusWidth, ring.top(), kFocusWidth, ring.height()),
                     mark);
}

} // namespace tarnel::ui
