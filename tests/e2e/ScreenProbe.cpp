// Watches a real X display while Tarnel starts: first the splash must show
// (and no board), then, about two seconds later, the main window with the
// Normal field and red to move. Saves a screenshot of each.
//
//   tarnel_screen_probe OUTPUT_DIR
//
// Exits 0 when both were seen as expected, 1 otherwise.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QThread>
#include <cstdio>
#include <optional>

namespace {

const QColor kRed(0xCC, 0x00, 0x00);
constexpr int kTimeoutMs = 20000;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The bounding box of the pixels of exactly `colour`.
std::optional<QRect> findColour(const QImage& image, const QColor& colour)
{
    const QRgb wanted = colour.rgb();
    int left = image.width();
    int top = image.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFFU) == (wanted & 0xFFFFFFU)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return std::nullopt;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isBackdrop(const QColor& colour)
{
    return colour == QColor(Qt::black);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        out() << "usage: tarnel_screen_probe OUTPUT_DIR\n";
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();

    QElapsedTimer clock;
    clock.start();
    qint64 splashSeen = -1;
    while (clock.elapsed() < kTimeoutMs) {
        const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const auto red = findColour(shot, kRed);
        if (splashSeen < 0 && !red) {
            // The splash: 418 x 238 in the middle of the screen.
            const QRect splash(area.center() - QPoint(209, 119), QSize(418, 238));
            const bool drawn = !isBackdrop(shot.pixelColor(splash.center())) &&
                               !isBackdrop(shot.pixelColor(splash.topLeft() + QPoint(20, 20)));
            if (drawn) {
                splashSeen = clock.elapsed();
                shot.copy(splash).save(outDir.filePath(QStringLiteral("splash.png")));
                out() << "splash seen at " << splashSeen << " ms\n";
                out().flush();
            }
        }
        if (red && red->width() >= 40) {
            if (splashSeen < 0) {
                out() << "FAIL: the main window came without a splash\n";
                return 1;
            }
            // Red's indicator: 50 pixels wide, 8 from the client's left
            // edge, down to the client's last row.
            QThread::msleep(300); // let the window settle
            const QImage main =
                screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
            const QPoint client(red->left() - 8, red->bottom() - 355);
            int top = client.y() - 1;
            while (top > 0 && !isBackdrop(main.pixelColor(client.x() + 5, top - 1))) {
                --top;
            }
            const qint64 shown = clock.elapsed();
            out() << "main window seen at " << shown << " ms, client at " << client.x() << ","
                  << client.y() << "\n";
            main.copy(QRect(QPoint(client.x(), top), QPoint(client.x() + 494, client.y() + 355)))
                .save(outDir.filePath(QStringLiteral("main.png")));

            bool ok = true;
            // Left to right: the window begins where red's indicator does.
            if (!isBackdrop(main.pixelColor(client.x() - 1, client.y() + 100)) ||
                isBackdrop(main.pixelColor(client.x() + 494, client.y() + 100))) {
                out() << "FAIL: the board is not where a left-to-right window has it\n";
                ok = false;
            }
            if (shown - splashSeen < 1500) {
                out() << "FAIL: the splash stood only " << shown - splashSeen << " ms\n";
                ok = false;
            }
            // The Normal field's out-of-play cells show the workspace colour
            // of the desktop's palette, the same here as in the game.
            const QColor workspace(QGuiApplication::palette().color(QPalette::Dark).rgb());
            for (const int cell : {32, 48, 64, 79, 93, 107, 42, 56, 70, 85, 101, 117, 67, 82}) {
                const QPoint centre = client + QPoint((cell % 15) * 33 + 17, (cell / 15) * 33 + 17);
                if (main.pixelColor(centre) != workspace) {
                    out() << "FAIL: cell " << cell << " is not out of play\n";
                    ok = false;
                }
            }
            if (main.pixelColor(client + QPoint(17, 17)) == workspace) {
                out() << "FAIL: cell 0 is not in play\n";
                ok = false;
            }
            out() << (ok ? "PASS\n" : "");
            return ok ? 0 : 1;
        }
        QThread::msleep(50);
    }
    out() << "FAIL: " << (splashSeen < 0 ? "no splash" : "no main window") << " within "
          << kTimeoutMs << " ms\n";
    return 1;
}
