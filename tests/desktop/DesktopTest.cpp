// On a real desktop: an X server with the openbox window manager, started by
// session.sh. Windows must be centred by their frames, and real key presses
// (XTEST, sent by xdotool) must reach the window that ought to have them.
#include "platform/Centring.h"
#include "platform/Contrast.h"
#include "support/UiFixture.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <set>

namespace tarnel::ui::testing {
namespace {

using enum MenuItem;

// Presses keys on the X server, as a person at the keyboard would.
void pressKeys(const QStringList& keys)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                                QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                            QStringLiteral("40")} +
                                    keys),
              0);
}

// Runs an X11 tool as the person's desktop would: "xdotool windowminimize
// %1", with the window's id for %1.
void desktop(const char* command, const QWidget* window)
{
    QStringList arguments =
        QString::fromLatin1(command).arg(window->winId()).split(QLatin1Char(' '));
    const QString program = arguments.takeFirst();
    ASSERT_EQ(QProcess::execute(program, arguments), 0) << command;
}

bool framed(const QWidget* window)
{
    return platform::outerGeometry(window).size() != window->size();
}

// Centre on centre within two pixels each way.
bool centredOn(const QRect& window, const QRect& reference)
{
    const QPointF offset = QRectF(window).center() - QRectF(reference).center();
    return std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2;
}

class DesktopTest : public WindowFixture
{
protected:
    DesktopTest()
    {
        app->Timer()->stop(); // the game waits for the keys below
        window->openHelp = &frmHelp::showOver;
        window->openAbout = &frmAbout::showOver;
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_TRUE(eventually([this] { return framed(window); }, 5000));
    }

    // Runs `open`, which shows a modal window. Once the window manager has
    // framed and activated it, `inspect` runs on it and must close it.
    void whileModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect)
    {
        bool inspected = false;
        QElapsedTimer clock;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (inspected || modal == nullptr) {
                return;
            }
            if (!framed(modal) || !modal->isActiveWindow()) {
                if (clock.elapsed() > 10000) {
                    ADD_FAILURE() << "no frame or no focus: " << modal->metaObject()->className();
                    modal->close();
                }
                return;
            }
            inspected = true;
            poll.stop();
            inspect(modal);
        });
        clock.start();
        poll.start(20);
        open(); // returns at once for a box shown without a loop of its own
        EXPECT_TRUE(
            eventually([&] { return inspected && !QApplication::activeModalWidget(); }, 15000));
    }

    // Inside a modal window: it stands centred on the main window's frame,
    // and a real Escape key closes it.
    void expectCentredThenEscape(QWidget* modal)
    {
        EXPECT_TRUE(eventually([&] {
            return centredOn(platform::outerGeometry(modal), platform::outerGeometry(window));
        })) << modal->metaObject()->className()
            << " at " << platform::outerGeometry(modal).x() << ","
            << platform::outerGeometry(modal).y() << " " << platform::outerGeometry(modal).width()
            << "x" << platform::outerGeometry(modal).height() << " over "
            << platform::outerGeometry(window).x() << "," << platform::outerGeometry(window).y();
        pressKeys({QStringLiteral("Escape")});
    }

    // After a modal window has closed, a real Tab moves the main window's
    // focus along.
    void expectKeyboardBack()
    {
        EXPECT_TRUE(eventually([this] { return window->isActiveWindow(); }));
        QWidget* before = QApplication::focusWidget();
        pressKeys({QStringLiteral("Tab")});
        EXPECT_TRUE(eventually([&] { return QApplication::focusWidget() != before; }));
        EXPECT_EQ(QApplication::focusWidget()->window(), window);
    }
};

TEST_F(DesktopTest, TheMainWindowIsCentredByItsFrame)
{
    const QRect screen = window->screen()->geometry();
    EXPECT_TRUE(eventually([&] { return centredOn(platform::outerGeometry(window), screen); }));
    EXPECT_GT(platform::outerGeometry(window).height(), window->height()) << "a title bar is there";
}

// Opened centred from its first frame on, and never moved again: not after
// the person moves it, minimises and restores it, or visits another desktop.
// Moved near the screen's corner, its dialogs still open wholly on the screen.
TEST_F(DesktopTest, AWindowOpensCentredAndStaysWhereThePersonPutsIt)
{
    Algemeen secondApp;
    secondApp.loadMainWindow();
    secondApp.Timer()->stop();
    frmMain& second = *secondApp.MainForm();
    std::set<std::pair<int, int>> seen;
    QElapsedTimer clock;
    second.show();
    for (clock.start(); clock.elapsed() < 400;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Framed and exposed: before that, Qt may still hold a placeholder.
        if (framed(&second) && second.windowHandle()->isExposed()) {
            seen.insert(
                {platform::outerGeometry(&second).x(), platform::outerGeometry(&second).y()});
        }
    }
    EXPECT_EQ(seen.size(), 1U) << "the first frame moved";
    EXPECT_TRUE(centredOn(platform::outerGeometry(&second), second.screen()->geometry()));

    const QPoint before = platform::outerGeometry(&second).topLeft();
    desktop("xdotool windowmove %1 200 150", &second);
    ASSERT_TRUE(eventually([&] { return platform::outerGeometry(&second).topLeft() != before; }));
    const QPoint moved = platform::outerGeometry(&second).topLeft();
    EXPECT_NE(moved, before) << "the person's move was undone";
    desktop("xdotool windowminimize %1", &second);
    EXPECT_TRUE(eventually([&] { return second.isMinimized(); }));
    desktop("wmctrl -i -a %1", &second);
    EXPECT_TRUE(eventually([&] { return second.isActiveWindow(); }));
    desktop("wmctrl -s 1", &second);
    EXPECT_TRUE(eventually([&] { return !second.windowHandle()->isExposed(); }));
    desktop("wmctrl -s 0", &second);
    EXPECT_TRUE(eventually([&] { return second.windowHandle()->isExposed(); }));
    EXPECT_EQ(platform::outerGeometry(&second).topLeft(), moved);

    desktop("xdotool windowmove %1 1100 900", &second);
    ASSERT_TRUE(eventually([&] { return platform::outerGeometry(&second).x() >= 1000; }));
    whileModal([&] { frmAbout::showOver(&second); },
               [&](QWidget* modal) {
                   EXPECT_TRUE(eventually([&] {
                       return second.screen()->availableGeometry().contains(
                           platform::outerGeometry(modal));
                   }));
                   pressKeys({QStringLiteral("Escape")});
               });
}

TEST_F(DesktopTest, RealKeysPlayFromAColdStart)
{
    EXPECT_EQ(QApplication::focusWidget(), window->Knop(0));
    // From the first arrow key on, the focused cell shows a ring that stands
    // out from its face, on every palette.
    for (const PaletteCase& palette : kPalettes) {
        const DesktopPalette desktop(palette);
        window->Knop(0)->setFocus();
        pressKeys({QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Down")});
        EXPECT_TRUE(eventually([&] { return QApplication::focusWidget() == window->Knop(17); }));
        const QImage cell = window->Knop(17)->grab().toImage();
        EXPECT_GE(platform::contrastRatio(cell.pixelColor(5, 16), cell.pixelColor(16, 16)),
                  platform::kMarkContrast)
            << palette.name;
    }
    window->Knop(0)->setFocus();
    pressKeys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab")});
    EXPECT_TRUE(eventually([&] { return QApplication::focusWidget() == window->Knop(3); }));
    pressKeys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"),
               QStringLiteral("shift+Tab"), QStringLiteral("space")});
    EXPECT_TRUE(eventually([&] { return app->game().cell(0).owner == Picture::red; }));
    EXPECT_EQ(QApplication::focusWidget(), window->btnYellow());

    // The focus shows on the indicator, beside its colour.
    const QImage image = window->btnYellow()->grab().toImage();
    const QRect picture = window->btnYellow()->pictureRect();
    EXPECT_EQ(image.pixelColor(picture.left() - 3, 13),
              window->btnYellow()->palette().color(QPalette::Highlight));
    EXPECT_EQ(image.pixelColor(picture.center()), QColor(0xFF, 0xFF, 0x00));

    pressKeys({QStringLiteral("Tab")});
    EXPECT_TRUE(eventually([&] { return QApplication::focusWidget() == window->btnRedPoints(); }));
    pressKeys({QStringLiteral("Tab")});
    EXPECT_TRUE(
        eventually([&] { return QApplication::focusWidget() == window->btnYellowPoints(); }));
}

TEST_F(DesktopTest, SecondaryWindowsAndBoxesAreCentredAndGiveTheKeyboardBack)
{
    for (const MenuItem item : {mnuHelpAbout, mnuHelpContents}) {
        whileModal([&] { choose(item); }, [&](QWidget* modal) { expectCentredThenEscape(modal); });
        expectKeyboardBack();
    }

    whileModal([&] { window->btnRedPoints()->click(); },
               [&](QWidget* modal) {
                   EXPECT_NE(qobject_cast<QMessageBox*>(modal), nullptr);
                   expectCentredThenEscape(modal);
               });
    expectKeyboardBack();

    // The result of a game: two persons fill a Standard board.
    choose(mnuHuman);
    choose(mnuStandard);
    for (int i = 0; i < kCellCount - 1; ++i) {
        window->Knop(i)->click();
    }
    whileModal([&] { window->Knop(kCellCount - 1)->click(); },
               [&](QWidget* modal) {
                   auto* box = qobject_cast<QMessageBox*>(modal);
                   ASSERT_NE(box, nullptr);
                   EXPECT_TRUE(box->text().startsWith(QStringLiteral("G A M E")));
                   expectCentredThenEscape(modal);
               });
    EXPECT_EQ(app->game().freeCount(), kCellCount) << "the next game is laid out";
    expectKeyboardBack();
}

} // namespace
} // namespace tarnel::ui::testing
