// Load: Computer vs Computer at the fastest pace, a thousand clicks a second
// on the board, and menu choices at any moment, even while a computer's
// move waits for its result box. Nothing may crash or leave a game corrupt.
#include "support/GameFixture.h"
#include "support/UiFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <iostream>
#include <random>

namespace tarnel::ui::testing {
namespace {

using enum MenuItem;

constexpr std::array<MenuItem, 15> kGameMenuItems{mnuNewGame,         mnuHuman,
                                                  mnuHumComp,         mnuComp,
                                                  mnuCompRedIdiot,    mnuCompRedSmart,
                                                  mnuCompRedGenius,   mnuCompYellowIdiot,
                                                  mnuCompYellowSmart, mnuCompYellowGenius,
                                                  mnuStandard,        mnuEasy,
                                                  mnuNormal,          mnuHard,
                                                  mnuImpossible};

using StressTest = WindowFixture;

TEST_F(StressTest, ClicksAndMenusDuringFastComputerGames)
{
    std::mt19937 random(7);
    auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    choose(mnuComp);
    choose(mnuCompRedIdiot);
    choose(mnuCompYellowIdiot); // 10 ms a move

    long checks = 0;
    std::string failure;
    auto check = [&](const char* what) {
        ++checks;
        const auto ok = tarnel::testing::invariantsHold(app->game());
        if (!ok && failure.empty()) {
            failure = std::string(what) + ": " + ok.message();
        }
    };
    QObject::connect(app->Timer(), &QTimer::timeout, [&] { check("tick"); });

    // A thousand clicks a second anywhere on the board.
    QTimer clicker;
    clicker.setTimerType(Qt::PreciseTimer);
    long clicks = 0;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        // Catch up with a thousand a second, whatever the timer managed, but
        // never more than a burst at once: a slow machine gets fewer a second.
        for (int burst = 0; burst < 20 && clicks < clock.elapsed(); ++burst) {
            const int cell = pick(kCellCount);
            const QPoint at = window->centralWidget()->mapTo(
                window, QPoint((cell % 15) * 33 + 17, (cell / 15) * 33 + 17));
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
            ++clicks;
            check("click");
        }
    });
    clicker.start(1);

    // Menu choices now and then (rare enough for games to end), and inside
    // result boxes too.
    QTimer chooser;
    long choices = 0;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        window->action(kGameMenuItems[static_cast<std::size_t>(pick(15))])->trigger();
        ++choices;
        check("menu");
    });
    chooser.start(450);

    BoxAnswerer answerer;
    answerer.whileOpen = [&] {
        // The computer's last move is waiting for this box to close. (Only
        // choices that keep the computer playing both colours.)
        const std::array<MenuItem, 4> keepPlaying{mnuNewGame, mnuComp, mnuImpossible,
                                                  mnuCompRedGenius};
        window->action(keepPlaying[static_cast<std::size_t>(pick(4))])->trigger();
        check("menu during a result");
    };

    // Counted, not timed: four thousand clicks and five menu choices.
    EXPECT_TRUE(eventually([&] { return clicks >= 4000 && choices >= 5; }, 120000));
    // Then the computer plays games to their end under the same clicks.
    chooser.stop();
    choose(mnuComp);
    choose(mnuCompRedIdiot);
    choose(mnuCompYellowIdiot);
    choose(mnuImpossible);
    EXPECT_TRUE(eventually([&] { return answerer.seen.size() >= 2; }, 60000));
    clicker.stop();
    app->Timer()->stop();
    EXPECT_TRUE(failure.empty()) << failure;
    std::cout << clicks << " clicks, " << choices << " menu choices, " << answerer.seen.size()
              << " result boxes, " << checks << " checks\n";
}

} // namespace
} // namespace tarnel::ui::testing
