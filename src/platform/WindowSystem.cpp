#include "WindowSystem.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace tarnel::platform {

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// How long a display may take to answer before the game gives up on it. Qt
// opens one in a fraction of a second (the splash is up 60 ms after the
// start on Xvfb, bench/RESULTS.md): fifteen seconds leave a slow but real
// display, Xvfb on a machine busy building or the game under Wine, room
// many times over, and still tell a person soon why nothing comes.
constexpr std::chrono::seconds kAnswerWait{15};

struct Held
{
    QtMessageHandler previous = nullptr;
    QList<HeldMessage> messages;
    QString displays; // what the game tries to open, for the one line
    // Ends the program should the display not answer; stopped once it has.
    std::thread watchdog;
    std::mutex mutex;
    std::condition_variable answered;
    bool opened = false;
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
    if (name == QLatin1String("linuxfb")) {
        // "linuxfb:fb=/dev/fb1:size=...", or Qt's first framebuffer.
        static const QRegularExpression device(QStringLiteral(":fb=([^:]*)"));
        const QRegularExpressionMatch given = device.match(platform);
        return QStringLiteral("the framebuffer \"%1\"")
            .arg(given.hasMatch() ? given.captured(1) : QStringLiteral("/dev/fb0"));
    }
    return QStringLiteral("a display through the window system \"%1\"").arg(name);
}

// Every display QT_QPA_PLATFORM names, in the order Qt tries them: "the X
// display ":5" nor the Wayland display "wayland-0"".
QString displaysTried()
{
    const QString platform =
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb")).trimmed();
    QStringList tried;
    for (const QString& each : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        tried << displayName(each);
    }
    if (tried.isEmpty()) {
        tried << displayName(QStringLiteral("xcb"));
    }
    return tried.join(QStringLiteral(" nor "));
}

// One line, and status 1: before Qt can abort, and without a core dump.
[[noreturn]] void cannotOpen(const QString& why = {})
{
    const QByteArray line =
        QStringLiteral("tarnel: cannot open %1%2\n").arg(held().displays, why).toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        held().messages.append({type, context.category, message});
        return;
    }
    cannotOpen(); // Qt could open no display
}

void watch()
{
    Held& state = held();
    std::unique_lock lock(state.mutex);
    if (!state.answered.wait_for(lock, kAnswerWait, [&state] { return state.opened; })) {
        cannotOpen(QStringLiteral(" (no answer in %1 seconds)").arg(kAnswerWait.count()));
    }
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
    held().displays = displaysTried();
    held().previous = qInstallMessageHandler(holdOrFail);
    held().watchdog = std::thread(watch);
}

void displayOpened()
{
    Held& messages = held();
    {
        const std::lock_guard lock(messages.mutex);
        messages.opened = true;
    }
    messages.answered.notify_one();
    if (messages.watchdog.joinable()) {
        messages.watchdog.join();
    }
    // A window system that opens but offers no screen (a framebuffer that
    // is not there) is no display: Qt would abort at the first window.
    if (QGuiApplication::primaryScreen() == nullptr) {
        cannotOpen();
    }
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
