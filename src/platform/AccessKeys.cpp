#include "AccessKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

namespace tarnel::platform {

namespace {
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
        if (hint == SH_UnderlineShortcut && untilAlt_ && !altHeld_) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
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
