// One game session: the game, the computer player (and so the program's one
// random generator) and the menu rules, with the phase of play as one value.
// Every input comes through one door, handle(); what each input does in
// each phase is decided in one place, the table kRules in Session.cpp.
//
// The session tells its view what happened (SessionView), in the game's own
// terms: one view, or every view at once through a Views. Its owner reports
// the modal windows opening and closing. The view and the field tables are
// borrowed and must outlive the session.
#pragma once

#include "engine/FieldTables.h"
#include "engine/Game.h"
#include "menus/MenuState.h"
#include "players/ComputerPlayer.h"
#include "session/SessionView.h"

#include <cstdint>

namespace tarnel::session {

using menus::MenuItem;

// Where play stands. LayingOut lasts while a field is laid out (GameLocked);
// ResultShown from the end of a game until its result is closed or another
// field is laid out.
enum class Phase : std::uint8_t { LayingOut, RedToMove, YellowToMove, ResultShown };

// Everything that can happen to the session.
struct Input
{
    enum class Kind : std::uint8_t {
        CellClicked,  // a board button, by a person (mouse, keyboard, or assistive technology)
        Tick,         // the application's timer
        MenuChosen,   // a menu item
        ScoreEnquiry, // a score button
        ResultClosed, // the result of a game, closed by the player
        ModalOpened,  // a modal window (result, score, help, about) opened
        ModalClosed,  // and closed
    };
    Kind kind;
    int cell = -1;
    MenuItem item = MenuItem::mnuFile;
    Colour colour = Colour::Red;

    static Input click(int cell) { return {Kind::CellClicked, cell}; }
    static Input tick() { return {Kind::Tick}; }
    static Input menu(MenuItem item) { return {Kind::MenuChosen, -1, item}; }
    static Input score(Colour asking) { return {Kind::ScoreEnquiry, -1, {}, asking}; }
    static Input resultClosed() { return {Kind::ResultClosed}; }
    static Input modalOpened() { return {Kind::ModalOpened}; }
    static Input modalClosed() { return {Kind::ModalClosed}; }
};

// What came of an input.
enum class Outcome : std::uint8_t {
    Taken,   // it did what it asks (a move, a choice, an answer; a tick
             // that finds a person to move is taken and makes no move)
    Ignored, // the phase or the game's rules leave it without effect
    Blocked, // a modal window is open: it never reached the main window,
             // and the view puts back whatever the control changed itself
};

class Session : private GameView
{
public:
    Session(SessionView& view, const FieldTables& tables);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The main window's load: default players and menus, and the Normal
    // field laid out for the first game. The tables must be built.
    void load();

    // The one door.
    Outcome handle(const Input& input);

    // Tells `view`, a view added after the load, how things stand: the
    // field, every cell, both scores, the colour to move and the menus.
    void tellState(SessionView& view) const;

    Phase phase() const { return phase_; }
    bool modalOpen() const { return openModals_ > 0; }
    const Game& game() const { return game_; }
    const menus::MenuState& menus() const { return menus_; }
    const ComputerPlayer& computer() const { return computer_; }

private:
    Outcome chooseMenu(MenuItem item);

    // GameView: the game tells the session, which keeps its phase and
    // tells the view.
    void newField(Int16 fieldType) override;
    void cellChanged(int index, const Cell& cell) override;
    void scoreChanged(Colour colour, Int16 points) override;
    void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) override;
    void gameOver(Int16 redPoints, Int16 yellowPoints) override;

    SessionView& view_;
    Game game_;
    ComputerPlayer computer_;
    menus::MenuState menus_;
    Phase phase_ = Phase::LayingOut;
    int openModals_ = 0;
};

} // namespace tarnel::session
