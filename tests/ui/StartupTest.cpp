// The program's start-up and end: the splash, the hand-over to the main
// window and the close box.
#include "support/UiFixture.h"
#include "ui/Algemeen.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace tarnel::ui::testing {
namespace {

TEST(Startup, TheSplashHandsOverToTheLoadedMainWindow)
{
    Algemeen startUp;
    startUp.Main();
    frmSplash* splash = startUp.splash();
    ASSERT_NE(splash, nullptr);
    frmMain* main = startUp.MainForm();
    ASSERT_NE(main, nullptr);

    // Starting: the splash is up; the main window is loaded but hidden,
    // with the Normal field laid out from built tables and its timer ticking.
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(startUp.tables().EasyField[0], 32);
    EXPECT_EQ(startUp.game().state().FieldType, field::Normal);
    EXPECT_TRUE(startUp.game().cell(0).visible) << "tables were built before the first field";
    EXPECT_EQ(startUp.game().freeCount(), 136);
    EXPECT_EQ(startUp.game().state().CurrentPlayer, 0);
    EXPECT_TRUE(startUp.Timer()->isActive());
    EXPECT_EQ(splash->Timer()->interval(), 2000);
    EXPECT_TRUE(splash->Timer()->isSingleShot());

    // Running: when the splash's time is up, the splash is gone and the main
    // window up, not before.
    bool shownBefore = true;
    QObject::connect(splash->Timer(), &QTimer::timeout, [&] { shownBefore = main->isVisible(); });
    EXPECT_TRUE(eventually([&] { return main->isVisible(); }, 5000));
    EXPECT_FALSE(shownBefore) << "not before the splash's time is up";
    EXPECT_EQ(startUp.splash(), nullptr);
    EXPECT_EQ(startUp.game().freeCount(), 136) << "no move was made meanwhile";
    EXPECT_EQ(startUp.game().state().CurrentPlayer, 0);
}

TEST(Startup, TheSplashShowsItsControlsInPlace)
{
    frmSplash splash;
    EXPECT_EQ(splash.size(), QSize(418, 238));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.windowType(), Qt::SplashScreen);
    EXPECT_EQ(splash.fraMainFrame()->geometry(), QRect(3, -1, 412, 234));
    EXPECT_EQ(splash.picLogo()->geometry(), QRect(40, 40, 36, 36));
    EXPECT_EQ(splash.lblWelcome()->geometry(), QRect(8, 88, 398, 26));
    EXPECT_EQ(splash.lblProductName()->geometry(), QRect(8, 128, 396, 44));
    EXPECT_EQ(splash.lblWelcome()->text(), "Welcome at the");
    EXPECT_EQ(splash.lblProductName()->text(), "Tarnel");
    EXPECT_DOUBLE_EQ(splash.lblWelcome()->font().pointSizeF(), 18);
    EXPECT_DOUBLE_EQ(splash.lblProductName()->font().pointSizeF(), 29.25);
    EXPECT_TRUE(splash.lblProductName()->font().bold());
    const QString family = QFontInfo(splash.lblWelcome()->font()).family();
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif")
        << family.toStdString();
    EXPECT_EQ(splash.geometry().center(), splash.screen()->geometry().center());
    // The frame's whole border shows, its top line too.
    const QImage image = splash.grab().toImage();
    EXPECT_NE(image.pixelColor(200, 0), splash.palette().color(QPalette::Window));
    EXPECT_EQ(image.pixelColor(200, 0), image.pixelColor(3, 100)) << "top as dark as the left";

    // On a screen of 400 x 300 it stays whole on the screen, its texts in the middle.
    splash.fitInto(QSize(400, 300));
    EXPECT_EQ(splash.size(), QSize(400, 238));
    const QRect welcome(splash.lblWelcome()->mapTo(&splash, QPoint()), splash.lblWelcome()->size());
    EXPECT_LE(std::abs(welcome.center().x() - splash.rect().center().x()), 1);
    EXPECT_LE(splash.fraMainFrame()->geometry().right(), splash.rect().right());
    EXPECT_TRUE(hasFixedBorder(&splash));
}

class CloseTest : public WindowFixture
{
protected:
    // Runs the application's event loop until it ends by itself, after
    // `action` has run in it. Returns exec()'s result; 99 when the program
    // did not end within five seconds.
    static int runUntilTheProgramEnds(const std::function<void()>& action)
    {
        QTimer::singleShot(0, action);
        QTimer::singleShot(5000, [] { QApplication::exit(99); });
        return QApplication::exec();
    }
};

TEST_F(CloseTest, TheCloseBoxEndsTheProgram)
{
    clickCell(0); // a game in progress: nothing is asked
    EXPECT_EQ(runUntilTheProgramEnds([this] { window->close(); }), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CloseTest, ExitEndsTheProgram)
{
    EXPECT_EQ(runUntilTheProgramEnds([this] { choose(MenuItem::mnuFileExit); }), 0);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace tarnel::ui::testing
