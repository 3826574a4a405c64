// What the session tells whoever shows it: everything the game tells
// (GameView), and what the menus and the score buttons ask of the windows.
// Every call is made on the session's thread, in the order things happen.
#pragma once

#include "engine/GameView.h"

namespace tarnel::session {

class SessionView : public GameView
{
public:
    // The menus' check marks, enabled items or timer interval may have
    // changed.
    virtual void menusChanged() = 0;

    // `asking` wants the standing: shown in a modal window, which the view
    // reports opened and closed.
    virtual void scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints) = 0;

    // The menu items that concern the windows alone.
    virtual void helpChosen() = 0;
    virtual void aboutChosen() = 0;
    virtual void exitChosen() = 0;
};

} // namespace tarnel::session
