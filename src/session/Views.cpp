#include "Views.h"

#include <algorithm>

namespace tarnel::session {

void Views::add(SessionView& view)
{
    views_.push_back(&view);
}

void Views::remove(SessionView& view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), &view), views_.end());
}

void Views::newField(Int16 fieldType)
{
    tellEach([&](SessionView& view) { view.newField(fieldType); });
}

void Views::cellChanged(int index, const Cell& cell)
{
    tellEach([&](SessionView& view) { view.cellChanged(index, cell); });
}

void Views::scoreChanged(Colour colour, Int16 points)
{
    tellEach([&](SessionView& view) { view.scoreChanged(colour, points); });
}

void Views::turnChanged(std::optional<Colour> toMove, std::optional<Move> after)
{
    tellEach([&](SessionView& view) { view.turnChanged(toMove, after); });
}

void Views::gameOver(Int16 redPoints, Int16 yellowPoints)
{
    tellEach([&](SessionView& view) { view.gameOver(redPoints, yellowPoints); });
}

void Views::menusChanged()
{
    tellEach([](SessionView& view) { view.menusChanged(); });
}

void Views::scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints)
{
    tellEach([&](SessionView& view) { view.scoreEnquired(asking, redPoints, yellowPoints); });
}

void Views::helpChosen()
{
    tellEach([](SessionView& view) { view.helpChosen(); });
}

void Views::aboutChosen()
{
    tellEach([](SessionView& view) { view.aboutChosen(); });
}

void Views::exitChosen()
{
    tellEach([](SessionView& view) { view.exitChosen(); });
}

} // namespace tarnel::session
