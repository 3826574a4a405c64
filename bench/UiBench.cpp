// Figures of the real main window on the offscreen platform (or any other
// the environment selects):
//
//   tarnel_uibench pace INTERVAL   CvC moves a second against 1000/INTERVAL,
//                                  over one whole game at INTERVAL ms
//   tarnel_uibench movecost        cost of one computer move on the UI
//                                  thread, repaint included, per level
//   tarnel_uibench growth GAMES    resident size after 10 and after GAMES
//                                  whole CvC games
//   tarnel_uibench session MOVES   a short CvC session (for valgrind)
//   tarnel_uibench openings COUNT  resident size before and after COUNT
//                                  openings of the about and help windows
//
// Result boxes are answered at once.
#include "ui/Algemeen.h"
#include "ui/CellButton.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using tarnel::menus::MenuItem;
using tarnel::ui::Algemeen;
using tarnel::ui::frmAbout;
using tarnel::ui::frmHelp;
using tarnel::ui::frmMain;

// Closes every result box as soon as its event loop runs.
class Answerer
{
public:
    Answerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(0);
    }

private:
    QTimer timer_;
};

void choose(Algemeen& app, MenuItem item)
{
    app.MainForm()->action(item)->trigger();
}

// Computer vs Computer with both colours at `level` (0..2).
void playBoth(Algemeen& app, int level, MenuItem field)
{
    static const MenuItem red[] = {MenuItem::mnuCompRedIdiot, MenuItem::mnuCompRedSmart,
                                   MenuItem::mnuCompRedGenius};
    static const MenuItem yellow[] = {MenuItem::mnuCompYellowIdiot, MenuItem::mnuCompYellowSmart,
                                      MenuItem::mnuCompYellowGenius};
    choose(app, MenuItem::mnuComp);
    choose(app, red[level]);
    choose(app, yellow[level]);
    choose(app, field);
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

// Real timer ticks: the moves of the first whole game at `interval` ms.
int pace(Algemeen& app, int interval)
{
    const int level = interval == 10 ? 0 : interval == 100 ? 1 : 2;
    Answerer answerer;
    QElapsedTimer clock;
    std::vector<qint64> moveTimes;
    int lastFree = 0;
    QEventLoop loop;
    QObject::connect(app.Timer(), &QTimer::timeout, [&] {
        const int free = app.game().freeCount();
        if (free < lastFree) {
            moveTimes.push_back(clock.nsecsElapsed());
        } else if (free > lastFree) {
            loop.quit(); // the game is over and the next one laid out
        }
        lastFree = free;
    });
    playBoth(app, level, MenuItem::mnuNormal);
    lastFree = app.game().freeCount();
    clock.start();
    loop.exec();
    const auto moves = static_cast<double>(moveTimes.size());
    const double seconds = static_cast<double>(moveTimes.back() - moveTimes.front()) / 1e9;
    const double perSecond = (moves - 1) / seconds;
    std::printf("interval %3d ms: %3.0f moves in %6.3f s, %7.3f moves/s, pace %.4f of %g\n",
                interval, moves, seconds, perSecond, perSecond / (1000.0 / interval),
                1000.0 / interval);
    return 0;
}

// One tick and the repaint it causes, timed; the game's last move (which
// opens the result box) is left out.
int moveCost(Algemeen& app)
{
    app.Timer()->stop();
    Answerer answerer;
    static const char* names[] = {"Idiot", "Smart", "Genius"};
    for (int level = 0; level < 3; ++level) {
        playBoth(app, level, MenuItem::mnuStandard);
        app.Timer()->stop();
        std::vector<double> micros;
        QElapsedTimer clock;
        while (app.game().freeCount() > 1) {
            clock.start();
            app.handle(tarnel::session::Input::tick());
            QApplication::processEvents(); // paint what changed
            micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        }
        app.handle(tarnel::session::Input::tick()); // the last move and the result
        // The result answered before the next level's choices, which a
        // result box still open would keep from the game.
        while (app.session().modalOpen()) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        std::printf("%-6s: %3zu moves, median %7.1f us, p99 %7.1f us, max %7.1f us\n", names[level],
                    micros.size(), percentile(micros, 0.5), percentile(micros, 0.99),
                    percentile(micros, 1.0));
    }
    return 0;
}

// Plays `games` whole Idiot games by ticks, painting after each move.
int playGames(Algemeen& app, long games, long reportAfter)
{
    app.Timer()->stop();
    Answerer answerer;
    playBoth(app, 0, MenuItem::mnuNormal);
    app.Timer()->stop();
    long finished = 0;
    long before = -1;
    while (finished < games) {
        const int free = app.game().freeCount();
        app.handle(tarnel::session::Input::tick());
        QApplication::processEvents();
        if (app.game().freeCount() > free) {
            ++finished;
            if (finished == reportAfter) {
                before = residentKiB();
            }
        }
    }
    if (reportAfter > 0) {
        const long after = residentKiB();
        std::printf("resident after %ld games: %ld KiB; after %ld games: %ld KiB; growth %ld KiB "
                    "(%.3f MiB)\n",
                    reportAfter, before, games, after, after - before,
                    static_cast<double>(after - before) / 1024.0);
    }
    return 0;
}

// Opens the about and help windows `count` times in turn, each closed as
// soon as it shows, and prints how the resident size moved after the first
// ten openings (which fill Qt's caches).
int openings(Algemeen& app, long count)
{
    constexpr long kWarmUp = 10;
    long before = -1;
    for (long i = 0; i < count + kWarmUp; ++i) {
        QDialog* shown = i % 2 == 0 ? static_cast<QDialog*>(frmAbout::showOver(app.MainForm()))
                                    : frmHelp::showOver(app.MainForm());
        QApplication::processEvents();
        shown->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (i + 1 == kWarmUp) {
            before = residentKiB();
        }
    }
    const long after = residentKiB();
    std::printf("resident after %ld openings: %ld KiB; after %ld more: %ld KiB; growth %ld KiB\n",
                kWarmUp, before, count, after, after - before);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarnel"));
    const std::string what = argc > 1 ? argv[1] : "";
    const long number = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 0; // 0 when not a number

    Algemeen app;
    app.loadMainWindow();
    app.MainForm()->show();
    QApplication::processEvents();

    if (what == "pace" && number > 0) {
        return pace(app, static_cast<int>(number));
    }
    if (what == "movecost") {
        return moveCost(app);
    }
    if (what == "growth" && number > 10) {
        return playGames(app, number, 10);
    }
    if (what == "session" && number > 0) {
        return playGames(app, number, 0);
    }
    if (what == "openings" && number > 0) {
        return openings(app, number);
    }
    std::fprintf(stderr, "usage: tarnel_uibench pace INTERVAL | movecost | growth GAMES | "
                         "session GAMES | openings COUNT\n");
    return 2;
}
