#include "WindowSystem.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QWindow>
#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#ifdef Q_OS_LINUX
#include <dirent.h>
#include <unistd.h>
#endif

namespace tarnel::platform {

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// How long a display may stay silent before the game gives up on it. Each
// answer starts the wait again, so a display that answers slowly but
// steadily (X forwarded over a slow link: some seventy round trips before
// the first window) opens however long that takes. Fifteen seconds leave a
// real display that is slow to answer once, Xvfb on a machine busy building
// or the game under Wine, room many times over, and still tell a person soon
// why nothing comes.
constexpr std::chrono::seconds kAnswerWait{15};
// How often the watchdog looks whether the display has answered.
constexpr std::chrono::milliseconds kLook{100};

struct Held
{
    QtMessageHandler previous = nullptr;
    QList<HeldMessage> messages;
    QString displays; // what the game tries to open, for the one line
    // Ends the program should the display fall silent before the first
    // window is on screen; stopped once it is.
    std::thread watchdog;
    std::mutex mutex;
    std::condition_variable shownOrSilent;
    bool shown = false;
    QString opened; // the display that opened, once it has
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

// The window systems QT_QPA_PLATFORM names, in the order Qt tries them.
QStringList platformsTried()
{
    const QStringList tried = qEnvironmentVariable("QT_QPA_PLATFORM")
                                  .trimmed()
                                  .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return tried.isEmpty() ? QStringList{QStringLiteral("xcb")} : tried;
}

// Every display tried: "the X display ":5" nor the Wayland display
// "wayland-0"".
QString displaysTried()
{
    QStringList tried;
    for (const QString& each : platformsTried()) {
        tried << displayName(each);
    }
    return tried.join(QStringLiteral(" nor "));
}

// The display Qt opened, of those tried.
QString displayOpenedName()
{
    const QString opened = QGuiApplication::platformName();
    for (const QString& each : platformsTried()) {
        if (each.section(QLatin1Char(':'), 0, 0) == opened) {
            return displayName(each);
        }
    }
    return displayName(opened);
}

// One line, and status 1: before Qt can abort, and without a core dump.
[[noreturn]] void giveUp(const QString& text)
{
    const QByteArray line = QStringLiteral("tarnel: %1\n").arg(text).toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

[[noreturn]] void cannotOpen(const QString& why = {})
{
    giveUp(QStringLiteral("cannot open %1%2").arg(held().displays, why));
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        held().messages.append({type, context.category, message});
        return;
    }
    cannotOpen(); // Qt could open no display
}

// How long the threads that wait for the display have run, in nanoseconds
// (none where that cannot be seen): when that grows, the display has
// answered. A thread waiting for an answer does not run at all; one that
// runs has been answered, or has work of its own, and is not stuck on the
// display either way. While the application is being made every thread but
// the watchdog counts: nothing else wakes the main thread then. From then
// on the main thread does not, as the event loop's timers wake it (the
// game's, every 100 ms) however silent the display; Qt's thread that reads
// the display (X11's or Wayland's) runs whenever it sends anything, even to
// a main thread waiting for a reply, which hands the reading back to it.
std::optional<std::uint64_t> threadsRan([[maybe_unused]] bool mainThreadToo)
{
#ifdef Q_OS_LINUX
    DIR* const tasks = opendir("/proc/self/task");
    if (tasks == nullptr) {
        return std::nullopt;
    }
    const std::string watchdog = std::to_string(gettid());
    const std::string mainThread = std::to_string(getpid());
    std::optional<std::uint64_t> ran;
    while (const dirent* task = readdir(tasks)) {
        const std::string id = task->d_name;
        if (id.front() == '.' || id == watchdog || (!mainThreadToo && id == mainThread)) {
            continue;
        }
        if (std::FILE* file = std::fopen(("/proc/self/task/" + id + "/schedstat").c_str(), "r")) {
            unsigned long long nanoseconds = 0;
            if (std::fscanf(file, "%llu", &nanoseconds) == 1) {
                ran = ran.value_or(0) + nanoseconds;
            }
            std::fclose(file);
        }
    }
    closedir(tasks);
    return ran;
#else
    return std::nullopt;
#endif
}

void watch()
{
    Held& state = held();
    std::unique_lock lock(state.mutex);
    std::optional<std::uint64_t> heard = threadsRan(true);
    auto lastAnswer = std::chrono::steady_clock::now();
    while (!state.shownOrSilent.wait_for(lock, kLook, [&state] { return state.shown; })) {
        const std::optional<std::uint64_t> now = threadsRan(state.opened.isEmpty());
        if (now != heard) {
            heard = now;
            lastAnswer = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastAnswer >= kAnswerWait) {
            const QString silence =
                QStringLiteral(" (no answer in %1 seconds)").arg(kAnswerWait.count());
            if (state.opened.isEmpty()) {
                cannotOpen(silence);
            }
            giveUp(
                QStringLiteral("%1 opened, then stopped answering%2").arg(state.opened, silence));
        }
    }
}

void stopWatching()
{
    Held& state = held();
    {
        const std::lock_guard lock(state.mutex);
        state.shown = true;
    }
    state.shownOrSilent.notify_one();
    if (state.watchdog.joinable()) {
        state.watchdog.join();
    }
}

// Ends the watch once the first window is really on screen.
class FirstExposure : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            stopWatching();
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

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

void watchDisplay()
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
        messages.opened = displayOpenedName();
    }
    if (threadsRan(true)) {
        QCoreApplication::instance()->installEventFilter(new FirstExposure(qApp));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, stopWatching);
    } else {
        stopWatching(); // no answer to be seen beyond the opening
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
