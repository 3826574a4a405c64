// The one interface through which the engine and the players reach the
// window toolkit. The engine owns the game's state; an implementation mirrors
// what it is told onto its widgets and answers the few questions below.
//
// Every call is made on the user-interface thread, one at a time.
#pragma once

#include "Types.h"

#include <string>

namespace tarnel {

class Toolkit
{
public:
    virtual ~Toolkit() = default;

    // Cell `index` (0..149) now holds `cell`; show it.
    virtual void cellChanged(int index, const Cell& cell) = 0;

    // The score caption of `colour` now reads `caption`.
    virtual void captionChanged(Colour colour, const std::string& caption) = 0;

    // The turn indicator of `colour` now shows `picture` (Gray: plain face).
    virtual void indicatorChanged(Colour colour, Picture picture) = 0;

    // Move the input focus to the indicator of `colour`. Returns false when
    // no focus can be taken at this moment (window hidden, modal window
    // open, ...). The caller carries on either way.
    virtual bool focusIndicator(Colour colour) = 0;

    // Show `text` in a modal message box with the information icon, a single
    // OK button and the application title as its title. Returns once the box
    // has been closed. Other events (timer ticks in particular) may be
    // delivered while it is open.
    virtual void showMessage(const std::string& text) = 0;

    // The next number of the program's one pseudo-random sequence, uniform in
    // [0, 1). The sequence is the same in every run and is never reseeded.
    virtual double nextRandom() = 0;
};

} // namespace tarnel
