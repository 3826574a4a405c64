// Time from launch until a program's first window is on screen: the pixel
// in the middle of the screen turns from the black backdrop to the window.
// Launches the programs by turns, on the same display, and compares the
// first with each of the others.
//
//   tarnel_startup_probe ROUNDS PROGRAM [ARGUMENT] -- PROGRAM [ARGUMENT] ...
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool centreIsBlack(QScreen* screen)
{
    const QPoint centre = screen->geometry().center();
    const QImage pixel = screen->grabWindow(0, centre.x(), centre.y(), 1, 1).toImage();
    return (pixel.pixel(0, 0) & 0xFFFFFFU) == 0;
}

// Milliseconds from start until the window shows, or -1.
double launch(QScreen* screen, const QStringList& command)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(command.front(), command.mid(1));
    double shown = -1;
    while (clock.elapsed() < 10000) {
        if (!centreIsBlack(screen)) {
            shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
        QThread::usleep(200);
    }
    process.kill();
    process.waitForFinished();
    while (!centreIsBlack(screen)) { // the window is gone again
        QThread::msleep(5);
    }
    QThread::msleep(200);
    return shown;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: tarnel_startup_probe ROUNDS PROGRAM [ARG] -- PROGRAM ...\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<QStringList> commands(1);
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            commands.emplace_back();
        } else {
            commands.back() << QString::fromLocal8Bit(argv[i]);
        }
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    for (const QStringList& command : commands) {
        launch(screen, command); // warm the caches
    }
    std::vector<std::vector<double>> times(commands.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t c = 0; c < commands.size(); ++c) {
            times[c].push_back(launch(screen, commands[c]));
        }
    }
    const double first = median(times[0]);
    for (std::size_t c = 0; c < commands.size(); ++c) {
        const double m = median(times[c]);
        std::printf("%-45s first window after %6.1f ms (median of %d), first / this %.3f\n",
                    qPrintable(commands[c].join(QLatin1Char(' ')).section(QLatin1Char('/'), -1)), m,
                    rounds, first / m);
    }
    return 0;
}
