// The message boxes: the score enquiry and the end of a game, read from the
// real boxes, modal over the main window while the timer keeps running.
#include "support/UiFixture.h"

#include <QApplication>
#include <QTest>

namespace tarnel::ui::testing {
namespace {

using enum MenuItem;

class MessageTest : public WindowFixture
{
protected:
    // Clicks free cells from the lowest index until `left` free cells remain;
    // a person's clicks play for whichever colour is to move.
    void clickUntilLeft(int left)
    {
        for (int i = 0; i < kCellCount && app->game().freeCount() > left; ++i) {
            if (app->game().isFree(i)) {
                window->Knop(i)->click();
            }
        }
        ASSERT_EQ(app->game().freeCount(), left);
    }
};

TEST_F(MessageTest, ScoreButtonsAnswerInAnInformationBox)
{
    app->Timer()->stop();
    choose(mnuHuman);
    choose(mnuStandard);
    BoxAnswerer answerer;
    auto ask = [&](QPushButton* button) {
        const std::size_t before = answerer.seen.size();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(eventually([&] {
            return answerer.seen.size() == before + 1 && !QApplication::activeModalWidget();
        }));
        return answerer.seen.size() > before ? answerer.seen.back() : SeenBox{};
    };

    SeenBox red = ask(window->btnRedPoints());
    EXPECT_EQ(red.text, "Red has 0 points. Well, well so does yellow.");
    EXPECT_EQ(red.title, "Tarnel");
    EXPECT_EQ(red.icon, QMessageBox::Information);
    EXPECT_EQ(red.buttonCount, 1);
    EXPECT_TRUE(red.modal);
    EXPECT_EQ(ask(window->btnYellowPoints()).text, "Yellow has 0 points. Well, well so does red.");

    window->Knop(0)->click();  // red 1
    window->Knop(50)->click(); // yellow 1
    EXPECT_EQ(ask(window->btnRedPoints()).text, "Red has 1 point. Well, well so does yellow.");
    window->Knop(1)->click(); // red 1 + 4 = 6
    EXPECT_EQ(ask(window->btnRedPoints()).text, "Red is 5 points in front of yellow.");
    EXPECT_EQ(ask(window->btnYellowPoints()).text, "Yellow is 5 points behind red.");
    window->Knop(51)->click();  // yellow 6
    window->Knop(100)->click(); // red 7
    EXPECT_EQ(ask(window->btnRedPoints()).text, "Red is 1 point in front of yellow.");
    EXPECT_EQ(ask(window->btnYellowPoints()).text, "Yellow is 1 point behind red.");

    // Asking changes nothing.
    EXPECT_EQ(app->game().state().RedPoints, 7);
    EXPECT_EQ(app->game().state().YellowPoints, 6);
    EXPECT_EQ(app->game().state().CurrentPlayer, 1);
}

TEST_F(MessageTest, TheLastClickShowsTheResultAndTheNextGameFollows)
{
    app->Timer()->stop();
    choose(mnuHuman);
    choose(mnuEasy);
    clickUntilLeft(1);
    const GameState before = app->game().state();
    BoxAnswerer answerer;
    answerer.whileOpen = [&] {
        EXPECT_TRUE(app->game().BordVol());
        EXPECT_EQ(window->btnRed()->picture(), Picture::Gray);
        EXPECT_EQ(window->btnYellow()->picture(), Picture::Gray);
    };
    for (int i = 0; i < kCellCount; ++i) {
        if (app->game().isFree(i)) {
            QTest::mouseClick(window->Knop(i), Qt::LeftButton);
            break;
        }
    }
    ASSERT_TRUE(eventually([&] { return app->game().freeCount() == 138; }));
    ASSERT_EQ(answerer.seen.size(), 1U);
    EXPECT_TRUE(answerer.seen[0].text.startsWith("G A M E  O V E R\n\r\n\r"));
    EXPECT_EQ(answerer.seen[0].title, "Tarnel");
    EXPECT_EQ(answerer.seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(before.CurrentPlayer, 1) << "the last cell went to yellow";
    // After OK: a fresh Easy game with red to move.
    EXPECT_EQ(app->game().state().FieldType, field::Easy);
    EXPECT_EQ(app->game().freeCount(), 138);
    EXPECT_EQ(app->game().state().CurrentPlayer, 0);
    EXPECT_EQ(window->btnRed()->picture(), Picture::red);
    EXPECT_EQ(window->btnRedPoints()->text(), "Red has 0 points");
}

// Human vs computer, the computer's yellow at Idiot pace: the person leaves
// one cell, the computer takes it on a tick, and the result stays open
// while ticks keep coming.
TEST_F(MessageTest, AGameEndedByATickMakesNoMoveWhileTheResultIsOpen)
{
    choose(mnuCompYellowIdiot);
    choose(mnuStandard);
    ASSERT_EQ(app->Timer()->interval(), 10);
    clickUntilLeft(1); // synchronous: no tick comes in between
    ASSERT_EQ(app->game().state().CurrentPlayer, 1);

    int ticksWhileOpen = 0;
    BoxAnswerer answerer(100);
    answerer.whileOpen = [&] {
        EXPECT_TRUE(app->game().BordVol());
        // Whatever the toolkit delivers, a tick now must not move.
        for (int tick = 0; tick < 5; ++tick) {
            app->handle(session::Input::tick());
            ++ticksWhileOpen;
        }
        EXPECT_TRUE(app->game().BordVol());
    };
    EXPECT_TRUE(eventually([&] { return answerer.seen.size() == std::size_t{1}; }, 5000));
    EXPECT_TRUE(eventually([&] { return app->game().freeCount() == kCellCount; }, 5000));
    EXPECT_EQ(ticksWhileOpen, 5);
    EXPECT_EQ(app->game().state().CurrentPlayer, 0);
    EXPECT_EQ(countOwner(Picture::red) + countOwner(Picture::yellow), 0);
    EXPECT_EQ(answerer.seen.size(), 1U);
}

// The person makes the computer's last move by a click before the tick: the
// result opens from the click handler while the timer keeps ticking.
TEST_F(MessageTest, AGameEndedByAClickWhileTicksKeepComing)
{
    choose(mnuCompYellowIdiot);
    choose(mnuStandard);
    clickUntilLeft(1);
    ASSERT_EQ(app->game().state().CurrentPlayer, 1);
    int ticks = 0;
    QObject::connect(app->Timer(), &QTimer::timeout, [&] { ++ticks; });
    BoxAnswerer answerer;
    answerer.whileOpen = [&] {
        // Three ticks come while the result is open, and none moves.
        const int before = ticks;
        EXPECT_TRUE(eventually([&] { return ticks >= before + 3; }));
        EXPECT_TRUE(app->game().BordVol());
    };
    for (int i = 0; i < kCellCount; ++i) {
        if (app->game().isFree(i)) {
            window->Knop(i)->click(); // yellow's move, made by the person
            break;
        }
    }
    ASSERT_TRUE(eventually([&] { return app->game().freeCount() == kCellCount; }));
    ASSERT_EQ(answerer.seen.size(), 1U);
    EXPECT_EQ(app->game().state().CurrentPlayer, 0);
    // Red, a person, is to move: the next ticks do nothing.
    const int after = ticks;
    EXPECT_TRUE(eventually([&] { return ticks >= after + 3; }));
    EXPECT_EQ(app->game().freeCount(), kCellCount);
}

// Computer vs Computer plays whole games by itself, one after another.
TEST_F(MessageTest, ComputerVsComputerPlaysGameAfterGame)
{
    choose(mnuComp);
    choose(mnuCompYellowIdiot);
    choose(mnuCompRedIdiot);
    choose(mnuImpossible);
    BoxAnswerer answerer;
    EXPECT_TRUE(eventually([&] { return answerer.seen.size() >= 2; }, 20000));
    for (const SeenBox& box : answerer.seen) {
        EXPECT_TRUE(box.text.startsWith("G A M E  O V E R"));
    }
}

} // namespace
} // namespace tarnel::ui::testing
