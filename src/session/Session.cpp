#include "Session.h"

#include <algorithm>
#include <array>

namespace tarnel::session {

namespace {
using Kind = Input::Kind;

// What an input does.
enum class Action : std::uint8_t {
    Nothing,      // no effect in this phase
    PersonMove,   // the clicked cell for the colour to move, unless the computer plays both
    ComputerTurn, // the computer's move, when it plays the colour to move
    Choose,       // the menu item's choice, when the item is reachable
    Answer,       // the standing, to the view
    NextGame,     // the next game on the same field
    CountModal,   // one modal window more or fewer
};

struct Rule
{
    Kind input;
    // A modal window keeps it from the main window: the mouse and keyboard
    // cannot reach past it, nor may an assistive technology. Ticks come
    // from the main window's own timer and go on.
    bool blockedUnderModal;
    std::array<Action, 4> byPhase; // LayingOut, RedToMove, YellowToMove, ResultShown
};

using enum Action;
// clang-format off
constexpr std::array kRules{
    //                              modal  laying out red to move    yellow to move result shown
    Rule{Kind::CellClicked,  true,  {Nothing,    PersonMove,   PersonMove,   Nothing}},
    Rule{Kind::Tick,         false, {Nothing,    ComputerTurn, ComputerTurn, Nothing}},
    Rule{Kind::MenuChosen,   true,  {Nothing,    Choose,       Choose,       Choose}},
    Rule{Kind::ScoreEnquiry, true,  {Answer,     Answer,       Answer,       Answer}},
    Rule{Kind::ResultClosed, false, {Nothing,    Nothing,      Nothing,      NextGame}},
    Rule{Kind::ModalOpened,  false, {CountModal, CountModal,   CountModal,   CountModal}},
    Rule{Kind::ModalClosed,  false, {CountModal, CountModal,   CountModal,   CountModal}},
};
// clang-format on
// (std::all_of, not the ranges form: the WebAssembly build's libc++ has no
// ranges algorithms yet.)
static_assert(std::all_of(kRules.begin(), kRules.end(),
                          [](const Rule& rule) {
                              return &rule - kRules.data() ==
                                     static_cast<std::ptrdiff_t>(rule.input);
                          }),
              "one rule per input, in the order of Input::Kind");
} // namespace

Session::Session(SessionView& view, const FieldTables& tables)
    : view_(view), game_(*this, tables), menus_(game_)
{
}

void Session::load()
{
    menus_.load();
    view_.menusChanged();
}

Outcome Session::handle(const Input& input)
{
    const Rule& rule = kRules.at(static_cast<std::size_t>(input.kind));
    if (rule.blockedUnderModal && modalOpen()) {
        return Outcome::Blocked;
    }
    switch (rule.byPhase.at(static_cast<std::size_t>(phase_))) {
    case Nothing:
        return Outcome::Ignored;
    case PersonMove: {
        if (menus_.computerVsComputer()) {
            return Outcome::Ignored;
        }
        const int free = game_.freeCount();
        game_.playMove(static_cast<Int16>(std::clamp(input.cell, -1, kCellCount)));
        return game_.freeCount() != free ? Outcome::Taken : Outcome::Ignored;
    }
    case ComputerTurn:
        computer_.play(game_);
        return Outcome::Taken;
    case Choose:
        return chooseMenu(input.item);
    case Answer: {
        const GameState& state = game_.state();
        view_.scoreEnquired(input.colour, state.RedPoints, state.YellowPoints);
        return Outcome::Taken;
    }
    case NextGame:
        game_.newGame();
        return Outcome::Taken;
    case CountModal:
        openModals_ = std::max(0, openModals_ + (input.kind == Kind::ModalOpened ? 1 : -1));
        return Outcome::Taken;
    }
    return Outcome::Ignored;
}

Outcome Session::chooseMenu(MenuItem item)
{
    if (!menus_.reachable(item)) {
        return Outcome::Ignored; // a disabled item, or one under a disabled menu
    }
    switch (item) {
    case MenuItem::mnuFileExit:
        view_.exitChosen();
        break;
    case MenuItem::mnuHelpContents:
        view_.helpChosen();
        break;
    case MenuItem::mnuHelpAbout:
        view_.aboutChosen();
        break;
    default:
        menus_.choose(item);
        view_.menusChanged();
        break;
    }
    return Outcome::Taken;
}

void Session::newField(Int16 fieldType)
{
    phase_ = Phase::LayingOut;
    view_.newField(fieldType);
}

void Session::cellChanged(int index, const Cell& cell)
{
    view_.cellChanged(index, cell);
}

void Session::scoreChanged(Colour colour, Int16 points)
{
    view_.scoreChanged(colour, points);
}

void Session::turnChanged(std::optional<Colour> toMove, std::optional<Move> after)
{
    if (toMove) {
        phase_ = *toMove == Colour::Red ? Phase::RedToMove : Phase::YellowToMove;
    } else {
        phase_ = Phase::ResultShown;
    }
    view_.turnChanged(toMove, after);
}

void Session::gameOver(Int16 redPoints, Int16 yellowPoints)
{
    view_.gameOver(redPoints, yellowPoints);
}

void Session::tellState(SessionView& view) const
{
    const GameState& state = game_.state();
    view.newField(state.FieldType);
    for (int index = 0; index < kCellCount; ++index) {
        view.cellChanged(index, game_.cell(index));
    }
    view.scoreChanged(Colour::Red, state.RedPoints);
    view.scoreChanged(Colour::Yellow, state.YellowPoints);
    view.turnChanged(game_.toMove(), std::nullopt);
    view.menusChanged();
}

} // namespace tarnel::session
