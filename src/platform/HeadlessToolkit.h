// A toolkit without windows, for tests, benchmarks and tools. It records what
// the engine tells it, answers every message box at once, and draws its
// random numbers from the program's generator.
#pragma once

#include "Lcg24.h"
#include "Toolkit.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tarnel {

class HeadlessToolkit : public Toolkit
{
public:
    void cellChanged(int index, const Cell& cell) override;
    void captionChanged(Colour colour, const std::string& caption) override;
    void indicatorChanged(Colour colour, Picture picture) override;
    bool focusIndicator(Colour colour) override;
    void showMessage(const std::string& text) override;
    double nextRandom() override { return random_.next(); }

    // What the widgets would show.
    std::array<Cell, kCellCount> cells{};
    std::array<std::string, 2> captions;
    std::array<Picture, 2> indicators{Picture::Gray, Picture::Gray};

    // The indicator that last took the focus, or -1 when none has.
    int focusedIndicator = -1;
    // When false, focus requests are refused (as when the window is hidden).
    bool focusAvailable = true;
    // Every message shown, in order.
    std::vector<std::string> messages;
    // Called from inside showMessage, while the "box" is open; a test uses it
    // to deliver events that a real toolkit may deliver during a modal loop.
    std::function<void(const std::string&)> whileMessageOpen;
    // Called after each cellChanged; lets a test raise the click notification
    // that some toolkits send when a toggle button is set from code.
    std::function<void(int, const Cell&)> afterCellChanged;

private:
    Lcg24 random_;
};

// A toolkit that shows nothing and records nothing: the cheapest possible
// partner for benchmarks and long runs.
class NullToolkit : public Toolkit
{
public:
    void cellChanged(int, const Cell&) override {}
    void captionChanged(Colour, const std::string&) override {}
    void indicatorChanged(Colour, Picture) override {}
    bool focusIndicator(Colour) override { return true; }
    void showMessage(const std::string&) override { ++messageCount; }
    double nextRandom() override { return random_.next(); }

    long messageCount = 0;

private:
    Lcg24 random_;
};

} // namespace tarnel
