// The session's one door: what every input does in every phase, as a table
// of phase x input -> outcome and effect.
#include "session/Session.h"

#include "session/Views.h"
#include "support/RecordingView.h"

#include <gtest/gtest.h>

namespace tarnel::testing {
namespace {

using session::Input;
using session::Outcome;
using session::Phase;
using enum menus::MenuItem;

// Where a row starts.
enum class Start {
    RedToMove,    // as loaded: Human vs computer, red (a person) to move
    YellowToMove, // red has moved; yellow is the computer's
    BothComputer, // Computer vs Computer, red to move
    ResultShown,  // two persons have filled a Standard board
};

// What a row's input changed.
enum class Effect { None, Move, NewField, Enquiry, Window };

struct Row
{
    const char* name;
    Start setup;
    bool underModal;
    Input input;
    Outcome outcome;
    Effect effect;
};

// clang-format off
const Row kRows[] = {
    {"ClickPlaysForAPerson",           Start::RedToMove,    false, Input::click(0),          Outcome::Taken,   Effect::Move},
    {"ClickOnATakenCellDoesNothing",   Start::YellowToMove, false, Input::click(0),          Outcome::Ignored, Effect::None},
    {"ClickUnderAModalWindow",         Start::RedToMove,    true,  Input::click(0),          Outcome::Blocked, Effect::None},
    {"ClickWhenTheComputerPlaysBoth",  Start::BothComputer, false, Input::click(0),          Outcome::Ignored, Effect::None},
    {"TickForAPersonMakesNoMove",      Start::RedToMove,    false, Input::tick(),            Outcome::Taken,   Effect::None},
    {"TickForTheComputer",             Start::YellowToMove, false, Input::tick(),            Outcome::Taken,   Effect::Move},
    {"TickUnderAModalWindowPlaysOn",   Start::YellowToMove, true,  Input::tick(),            Outcome::Taken,   Effect::Move},
    {"TickWhileAResultIsShown",        Start::ResultShown,  true,  Input::tick(),            Outcome::Ignored, Effect::None},
    {"FieldChosen",                    Start::RedToMove,    false, Input::menu(mnuEasy),     Outcome::Taken,   Effect::NewField},
    {"FieldChosenUnderAModalWindow",   Start::RedToMove,    true,  Input::menu(mnuEasy),     Outcome::Blocked, Effect::None},
    {"NewGameAfterAResult",            Start::ResultShown,  false, Input::menu(mnuNewGame),  Outcome::Taken,   Effect::NewField},
    {"HelpChosen",                     Start::RedToMove,    false, Input::menu(mnuHelpContents), Outcome::Taken, Effect::Window},
    {"HelpDisabledForTheComputerPair", Start::BothComputer, false, Input::menu(mnuHelpAbout), Outcome::Ignored, Effect::None},
    {"RedLevelDisabledForAPerson",     Start::RedToMove,    false, Input::menu(mnuCompRedIdiot), Outcome::Ignored, Effect::None},
    {"ScoreEnquiry",                   Start::YellowToMove, false, Input::score(Colour::Red), Outcome::Taken,  Effect::Enquiry},
    {"ScoreEnquiryUnderAModalWindow",  Start::RedToMove,    true,  Input::score(Colour::Red), Outcome::Blocked, Effect::None},
    {"ResultClosedLaysOutTheNextGame", Start::ResultShown,  true,  Input::resultClosed(),    Outcome::Taken,   Effect::NewField},
    {"ResultClosedWithNoResult",       Start::YellowToMove, false, Input::resultClosed(),    Outcome::Ignored, Effect::None},
};
// clang-format on

class SessionTable : public ::testing::TestWithParam<Row>
{
protected:
    SessionTable() { tables.buildAll(); }

    // Brings the session to `setup`, under a modal window if asked.
    void reach(Start setup, bool underModal)
    {
        session.load();
        switch (setup) {
        case Start::RedToMove:
            break;
        case Start::YellowToMove:
            session.handle(Input::click(0));
            break;
        case Start::BothComputer:
            session.handle(Input::menu(mnuComp));
            break;
        case Start::ResultShown:
            session.handle(Input::menu(mnuHuman));
            session.handle(Input::menu(mnuStandard));
            for (int i = 0; i < kCellCount; ++i) {
                session.handle(Input::click(i));
            }
            break;
        }
        if (underModal) {
            session.handle(Input::modalOpened());
        }
    }

    // The session tells both views, as the application tells its windows.
    RecordingView view;
    RecordingView second;
    session::Views views = [this] {
        session::Views both;
        both.add(view);
        both.add(second);
        return both;
    }();
    FieldTables tables;
    session::Session session{views, tables};
};

TEST_P(SessionTable, DecidesWhatAnInputDoes)
{
    const Row& row = GetParam();
    reach(row.setup, row.underModal);
    const int free = session.game().freeCount();
    const int fields = view.fieldsLaidOut;
    const std::size_t enquiries = view.enquiries.size();
    const std::size_t windows = view.windows.size();

    EXPECT_EQ(session.handle(row.input), row.outcome);
    const auto effect = [&] {
        if (view.fieldsLaidOut != fields) {
            return Effect::NewField;
        }
        if (session.game().freeCount() != free) {
            return Effect::Move;
        }
        if (view.enquiries.size() != enquiries) {
            return Effect::Enquiry;
        }
        return view.windows.size() != windows ? Effect::Window : Effect::None;
    }();
    EXPECT_EQ(effect, row.effect);
    EXPECT_EQ(second.calls, view.calls) << "a second view is told all that the first is";
}

INSTANTIATE_TEST_SUITE_P(PhaseByInput, SessionTable, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(SessionTable, ThePhaseFollowsThePlayAndModalWindowsAreCounted)
{
    session.load();
    EXPECT_EQ(session.phase(), Phase::RedToMove);
    session.handle(Input::click(0));
    EXPECT_EQ(session.phase(), Phase::YellowToMove);
    // Inside the laying out of a field, no input reaches the game.
    std::vector<Outcome> whileLayingOut;
    view.afterCellChanged = [&](int index, const Cell&) {
        if (session.phase() == Phase::LayingOut && whileLayingOut.empty()) {
            whileLayingOut = {session.handle(Input::click(index)), session.handle(Input::tick()),
                              session.handle(Input::menu(mnuHard))};
        }
    };
    session.handle(Input::menu(mnuNewGame));
    view.afterCellChanged = nullptr;
    EXPECT_EQ(whileLayingOut, std::vector<Outcome>(3, Outcome::Ignored));
    EXPECT_EQ(session.game().state().FieldType, field::Normal);
    EXPECT_EQ(session.phase(), Phase::RedToMove);

    for (int open = 0; open < 2; ++open) {
        session.handle(Input::modalOpened());
    }
    session.handle(Input::modalClosed());
    EXPECT_TRUE(session.modalOpen()) << "one of two is still open";
    session.handle(Input::modalClosed());
    session.handle(Input::modalClosed()); // once too often: no harm
    EXPECT_FALSE(session.modalOpen());
    EXPECT_EQ(session.handle(Input::click(1)), Outcome::Taken);
}

} // namespace
} // namespace tarnel::testing
