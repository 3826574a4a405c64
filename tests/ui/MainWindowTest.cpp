// The main window: its geometry, its looks and a person's and the
// computer's moves through the real widgets.
#include "platform/Centring.h"
#include "support/UiFixture.h"
#include "ui/Pictures.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <tuple>

namespace tarnel::ui::testing {
namespace {

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, ControlsStandWhereTheyBelong)
{
    EXPECT_EQ(window->windowTitle(), "Tarnel");
    EXPECT_EQ(window->centralWidget()->size(), QSize(495, 356));
    EXPECT_FALSE(window->menuBar()->isNativeMenuBar());
    EXPECT_EQ(window->centralWidget()->y(), window->menuBar()->height());
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    EXPECT_EQ(window->size(), QSize(495, 356 + window->menuBar()->height()));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(hasFixedBorder(window));

    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(window->Knop(i)->geometry(), QRect((i % 15) * 33, (i / 15) * 33, 34, 34)) << i;
        EXPECT_EQ(window->Knop(i)->objectName(), QStringLiteral("Knop(%1)").arg(i));
        EXPECT_TRUE(window->Knop(i)->isCheckable());
    }
    EXPECT_EQ(window->btnRed()->geometry(), QRect(0, 331, 67, 26));
    EXPECT_EQ(window->btnRedPoints()->geometry(), QRect(66, 331, 183, 26));
    EXPECT_EQ(window->btnYellowPoints()->geometry(), QRect(248, 331, 182, 26));
    EXPECT_EQ(window->btnYellow()->geometry(), QRect(429, 331, 67, 26));

    const QFont caption = window->btnRedPoints()->font();
    EXPECT_TRUE(caption.bold());
    EXPECT_DOUBLE_EQ(caption.pointSizeF(), 8.25);
    EXPECT_EQ(window->btnYellowPoints()->font(), caption);
    EXPECT_EQ(app->Timer()->interval(), 100);
    EXPECT_TRUE(app->Timer()->isActive());
}

TEST_F(MainWindowTest, IsCentredOnTheScreen)
{
    const QPoint screenCentre = window->screen()->geometry().center();
    // The frame as the platform has it (QWidget learns of it late).
    EXPECT_TRUE(eventually([&] {
        return (screenCentre - platform::outerGeometry(window).center()).manhattanLength() <= 2;
    }));
}

// Where a frame is put: centred on its reference, but kept on the screen's
// available area, its title bar first (a window's frame, its reference, the
// area, the corner).
TEST(Centring, KeepsTheFrameOnTheScreen)
{
    const QSize main(497, 401);
    const QSize about(308, 187);
    for (const auto& [outer, reference, available, corner] :
         {std::tuple{about, QRect(-300, -200, 497, 401), QRect(0, 0, 1280, 1024), QPoint(0, 0)},
          std::tuple{main, QRect(0, 0, 400, 300), QRect(0, 0, 400, 300), QPoint(0, 0)},
          std::tuple{about, QRect(391, 0, 497, 100), QRect(0, 30, 1280, 994), QPoint(485, 30)}}) {
        EXPECT_EQ(platform::centredCorner(outer, reference, available), corner);
    }
    // Whatever extents a window manager reports, the frame's corner and the
    // window's own stay in the area (a window's size, the extents, the area
    // it is centred in, the frame's corner, the window's).
    const QSize inner(495, 377);
    const QRect screen(0, 0, 1280, 1024);
    for (const auto& [size, extents, area, frame, corner] :
         {std::tuple{inner, QMargins(1, 23, 1, 1), screen, QPoint(391, 311), QPoint(392, 334)},
          std::tuple{inner, QMargins(0x7fffffff, 0x7fffffff, 0x7fffffff, 0x7fffffff), screen,
                     QPoint(192, 123), QPoint(392, 323)},
          std::tuple{QSize(306, 163), QMargins(3000, 3000, 3000, 3000), QRect(0, 0, 400, 300),
                     QPoint(0, 0), QPoint(100, 75)},
          std::tuple{inner, QMargins(-1, -1, -1, -1), screen, QPoint(392, 323),
                     QPoint(392, 323)}}) {
        const platform::FramedPlace place = platform::framedPlace(size, extents, area, area);
        EXPECT_EQ(place.frame, frame);
        EXPECT_EQ(place.window, corner);
    }
    // Two monitors side by side: a dialog goes to the one that holds most
    // of its main window.
    const QList<QRect> monitors{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1280, 1024)};
    for (const auto& [reference, monitor] :
         {std::pair{QRect(1100, 300, 497, 401), 1}, std::pair{QRect(900, 300, 497, 401), 0},
          std::pair{QRect(3000, 0, 100, 100), 0}}) {
        EXPECT_EQ(platform::screenHoldingMostOf(reference, monitors), monitor);
    }
}

TEST_F(MainWindowTest, TabOrderRunsOverTheBoardThenTheStatusRow)
{
    choose(MenuItem::mnuStandard);
    QWidget* widget = window->Knop(0);
    for (int i = 1; i < kCellCount; ++i) {
        widget = widget->nextInFocusChain();
        ASSERT_EQ(widget, window->Knop(i));
    }
    EXPECT_EQ(widget->nextInFocusChain(), window->btnRed());

    // Tab from the last cell runs through the status row.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->Knop(kCellCount - 1)->setFocus();
    std::vector<QWidget*> reached;
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(reached, (std::vector<QWidget*>{window->btnRed(), window->btnYellow(),
                                              window->btnRedPoints(), window->btnYellowPoints()}));
}

TEST_F(MainWindowTest, EachCellStateHasItsLook)
{
    app->Timer()->stop(); // the computer's moves would change the picture
    const QImage start = grabClient();
    // Normal: out-of-play cell 32 (row 2, column 2) shows the background.
    EXPECT_EQ(start.pixelColor(2 * 33 + 17, 2 * 33 + 17),
              QColor(window->palette().color(kWorkspaceRole).rgb()));
    // Red's indicator shows red, centred with plain margins; yellow's is plain.
    EXPECT_EQ(start.pixelColor(33, 331 + 13), kRedColour);
    EXPECT_NE(start.pixelColor(3, 331 + 13), kRedColour);
    EXPECT_NE(start.pixelColor(429 + 33, 331 + 13), kYellowColour);

    clickCell(16);                       // red, by a person: pressed
    app->handle(session::Input::tick()); // yellow, by the computer
    const Int16 yellowCell = [&] {
        for (int i = 0; i < kCellCount; ++i) {
            if (app->game().cell(i).owner == Picture::yellow) {
                return static_cast<Int16>(i);
            }
        }
        return Int16{-1};
    }();
    ASSERT_GE(yellowCell, 0);
    EXPECT_TRUE(window->Knop(16)->isChecked());
    EXPECT_FALSE(window->Knop(yellowCell)->isChecked());

    const QImage image = grabClient();
    auto expectFilled = [&](int index, const QColor& colour) {
        const int x = (index % 15) * 33;
        const int y = (index / 15) * 33;
        // Every pixel of the face that is not under its left or upper
        // neighbour (those lie on top in the one-pixel overlaps).
        for (int dy = 1; dy <= 33; ++dy) {
            for (int dx = 1; dx <= std::min(33, 494 - x); ++dx) {
                ASSERT_EQ(image.pixelColor(x + dx, y + dy), colour)
                    << "cell " << index << " at " << dx << "," << dy;
            }
        }
    };
    expectFilled(16, kRedColour);
    expectFilled(yellowCell, kYellowColour);
    // A free cell: a plain face, no picture colour.
    const QColor free = image.pixelColor(17, 17);
    EXPECT_NE(free, kRedColour);
    EXPECT_NE(free, QColor(window->palette().color(kWorkspaceRole).rgb()));
    // Red has moved: yellow's indicator shows yellow and red's is plain.
    EXPECT_EQ(image.pixelColor(33, 331 + 13), kRedColour) << "red to move again";
}

TEST_F(MainWindowTest, FreeButtonsLeaveNoGap)
{
    choose(MenuItem::mnuStandard);
    const QImage image = grabClient();
    for (int y = 0; y < 331; ++y) {
        for (int x = 0; x < 495; ++x) {
            ASSERT_NE(image.pixelColor(x, y), QColor(window->palette().color(kWorkspaceRole).rgb()))
                << x << "," << y;
        }
    }
}

TEST_F(MainWindowTest, APersonMovesAndTheComputerAnswersOnTheNextTick)
{
    EXPECT_EQ(window->btnRedPoints()->text(), "Red has 0 points");
    EXPECT_EQ(window->btnYellowPoints()->text(), "Yellow has 0 points");
    clickCell(0);
    EXPECT_EQ(window->btnRedPoints()->text(), "Red has 1 point");
    EXPECT_FALSE(window->Knop(0)->isEnabled());
    EXPECT_EQ(window->btnYellow()->picture(), Picture::yellow);
    EXPECT_EQ(window->btnRed()->picture(), Picture::Gray);
    EXPECT_TRUE(window->btnYellow()->hasFocus());
    const QImage turn = grabClient();
    EXPECT_EQ(turn.pixelColor(429 + 33, 331 + 13), kYellowColour) << "yellow's indicator";
    EXPECT_NE(turn.pixelColor(429 + 3, 331 + 13), kYellowColour) << "plain margins";
    EXPECT_NE(turn.pixelColor(33, 331 + 13), kRedColour) << "red's indicator is plain";

    // The reply comes from the real timer.
    EXPECT_TRUE(eventually([&] { return app->game().state().CurrentPlayer == Int16{0}; }, 2000));
    EXPECT_EQ(window->btnYellowPoints()->text(), "Yellow has 1 point");
    EXPECT_EQ(countOwner(Picture::yellow), 1);
    EXPECT_TRUE(window->btnRed()->hasFocus());
    EXPECT_EQ(window->btnRed()->picture(), Picture::red);
}

TEST_F(MainWindowTest, ClickingAnIndicatorChangesNothing)
{
    const auto before = app->game().cells();
    QTest::mouseClick(window->btnRed(), Qt::LeftButton);
    QTest::mouseClick(window->btnYellow(), Qt::LeftButton);
    EXPECT_EQ(before, app->game().cells());
    EXPECT_EQ(app->game().state().CurrentPlayer, 0);
}

TEST_F(MainWindowTest, ComputerVsComputerIgnoresBoardClicksButTogglesTheButton)
{
    app->Timer()->stop();
    choose(MenuItem::mnuComp);
    clickCell(0);
    EXPECT_TRUE(window->Knop(0)->isChecked());
    EXPECT_TRUE(window->Knop(0)->isEnabled());
    EXPECT_EQ(app->game().cell(0).owner, Picture::Gray);
    EXPECT_EQ(app->game().state().CurrentPlayer, 0);
    clickCell(0);
    EXPECT_FALSE(window->Knop(0)->isChecked());
    clickCell(0);
    choose(MenuItem::mnuNewGame);
    EXPECT_FALSE(window->Knop(0)->isChecked()) << "every button of a new field stands released";
}

TEST_F(MainWindowTest, ShortcutsReachTheirActions)
{
    app->Timer()->stop();
    clickCell(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(countOwner(Picture::red), 0) << "Ctrl+N starts a new game";
    QTest::keyClick(window, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << "Ctrl+X closes the window";
}

} // namespace
} // namespace tarnel::ui::testing
