#include "WindowSystem.h"

#include <QGuiApplication>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace tarnel::platform {

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

struct Held
{
    QtMessageHandler previous = nullptr;
    QList<HeldMessage> messages;
};

Held& held()
{
    static Held messages;
    return messages;
}

// "the X display ":5"", "the Wayland display "wayland-0"", or the window
// system named in QT_QPA_PLATFORM.
QString displayName(const QString& platform)
{
    const QString name = platform.section(QLatin1Char(':'), 0, 0);
    if (name == QLatin1String("xcb")) {
        const QString display = qEnvironmentVariable("DISPLAY");
        return display.isEmpty() ? QStringLiteral("an X display (DISPLAY is not set)")
                                 : QStringLiteral("the X display \"%1\"").arg(display);
    }
    if (name.startsWith(QLatin1String("wayland"))) {
        const QString display =
            qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return QStringLiteral("the Wayland display \"%1\"").arg(display);
    }
    return QStringLiteral("a display through the window system \"%1\"").arg(name);
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        held().messages.append({type, context.category, message});
        return;
    }
    // Qt could open no display: one line, and no core dump.
    const QString platform =
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb")).trimmed();
    QStringList tried;
    for (const QString& each : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        tried << displayName(each);
    }
    if (tried.isEmpty()) {
        tried << displayName(QStringLiteral("xcb"));
    }
    const QByteArray line = QStringLiteral("tarnel: cannot open %1\n")
                                .arg(tried.join(QStringLiteral(" nor ")))
                                .toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1); // before Qt can abort
}
} // namespace

void chooseWindowSystem()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return;
    }
    // Qt tries each in turn until one opens.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb;wayland");
}

void watchDisplayOpening()
{
    held().previous = qInstallMessageHandler(holdOrFail);
}

void displayOpened()
{
    Held& messages = held();
    qInstallMessageHandler(messages.previous);
    for (const HeldMessage& message : std::as_const(messages.messages)) {
        // That a window system tried before could not be loaded is no news
        // once another one has opened; why its display did not answer is.
        if (message.category == "qt.qpa.plugin") {
            continue;
        }
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    messages.messages.clear();
}

bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace tarnel::platform
