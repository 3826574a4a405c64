// Seeded random events against the real main window: clicks anywhere, timer
// ticks, every menu action, and modal boxes answered at random moments. The
// engine's invariants, the widgets' mirror of the engine and the menu rules
// are checked after every event.
//
// The number of events is 100,000 unless --random-events=N or the
// environment variable TARNEL_RANDOM_EVENTS says otherwise; the seed comes
// from TARNEL_RANDOM_SEED (default 1).
#include "support/GameFixture.h"
#include "support/UiFixture.h"

#include <QApplication>
#include <QTest>
#include <iostream>
#include <random>

namespace tarnel::ui::testing {

extern long randomEventCount;

namespace {

using enum MenuItem;

class RandomEvents
{
public:
    RandomEvents(Algemeen& app, unsigned seed) : app_(app), window_(*app.MainForm()), random_(seed)
    {
        // Under every modal window: now and then an event, then the answer.
        QObject::connect(&answerer_, &QTimer::timeout, [this] { answerModal(); });
        answerer_.start(0);
    }

    void run(long count)
    {
        while (events_ < count && !failed_) {
            step();
            if (events_ % 997 == 0) {
                QCoreApplication::processEvents(); // paint now and then
            }
        }
    }

    long events() const { return events_; }
    long modalsAnswered() const { return modalsAnswered_; }
    long gamesEnded() const { return gamesEnded_; }
    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }

private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    void step()
    {
        // Menus are rare enough for games to be played to their end.
        const int kind = pick(1000);
        if (kind < 500) {
            clickAt(cellCentre(pick(kCellCount)));
        } else if (kind < 540) {
            QWidget* status[] = {window_.btnRed(), window_.btnYellow(), window_.btnRedPoints(),
                                 window_.btnYellowPoints()};
            QWidget* target = status[pick(4)];
            clickAt(target->mapTo(&window_, target->rect().center()));
        } else if (kind < 995) {
            app_.handle(session::Input::tick());
            record("tick");
        } else {
            const auto item = static_cast<MenuItem>(pick(kMenuItemCount));
            window_.action(item)->trigger();
            if (!window_.isVisible()) {
                window_.show(); // after Exit, carry on with the same window
            }
            record("menu");
        }
    }

    QPoint cellCentre(int index) const
    {
        return window_.centralWidget()->mapTo(
            &window_, QPoint((index % 15) * 33 + 17, (index / 15) * 33 + 17));
    }

    void clickAt(const QPoint& point)
    {
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, {}, point);
        record("click");
    }

    // Runs on a timer whenever events are processed, while a modal window
    // is open. The ticks it delivers are sent from single-shot timers of
    // their own (gone with this object): a result box that such a tick
    // opens is then answered by the next round of this timer.
    void answerModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || tickPending_) {
            return;
        }
        if (pick(3) == 0) {
            // Ticks keep coming while a box is open; a full board must not
            // move.
            tickPending_ = true;
            QTimer::singleShot(0, &answerer_, [this] {
                tickPending_ = false;
                app_.handle(session::Input::tick());
                record("tick in a modal loop");
            });
            return;
        }
        ++modalsAnswered_;
        if (auto* box = qobject_cast<QMessageBox*>(modal);
            box != nullptr && box->text().startsWith(QStringLiteral("G A M E"))) {
            ++gamesEnded_;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->done(QDialog::Accepted);
        } else {
            modal->close();
        }
    }

    void record(const char* what)
    {
        ++events_;
        if (failed_) {
            return;
        }
        const Game& game = app_.game();
        ::testing::AssertionResult ok = tarnel::testing::invariantsHold(game);
        if (ok) {
            ok = windowShowsTheGame(app_);
        }
        if (!ok) {
            failed_ = true;
            failure_ = std::string("after event ") + std::to_string(events_) + " (" + what +
                       "): " + ok.message();
        }
    }

    Algemeen& app_;
    frmMain& window_;
    std::mt19937 random_;
    QTimer answerer_;
    long events_ = 0;
    long modalsAnswered_ = 0;
    long gamesEnded_ = 0;
    bool tickPending_ = false;
    bool failed_ = false;
    std::string failure_;
};

long eventCount()
{
    return randomEventCount; // checked by the test runner's main
}

using RandomEventTest = WindowFixture;

TEST_F(RandomEventTest, InvariantsHoldAfterEveryEvent)
{
    const QByteArray seedText = qgetenv("TARNEL_RANDOM_SEED");
    const unsigned seed = seedText.isEmpty() ? 1U : seedText.toUInt();
    // Modal windows without a loop of their own, as the game shows them.
    const auto openModal = [](QWidget* owner) {
        auto* dialog = new QDialog(owner);
        dialog->setModal(true);
        QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
        dialog->show();
        return dialog;
    };
    window->openHelp = openModal;
    window->openAbout = openModal;
    // Ticks come from the events alone, so that a seed replays exactly.
    app->Timer()->stop();
    RandomEvents events(*app, seed);
    events.run(eventCount());
    EXPECT_FALSE(events.failed()) << "seed " << seed << ", " << events.failure();
    EXPECT_GE(events.events(), eventCount());
    std::cout << events.events() << " events, " << events.modalsAnswered()
              << " modal windows answered, " << events.gamesEnded() << " games ended\n";
}

} // namespace
} // namespace tarnel::ui::testing
