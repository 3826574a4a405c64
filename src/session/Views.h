// Every view of one session: the session tells this one, and it tells each
// view added, in the order they were added, so that a further view (a
// page's own board beside its canvas, say) is added without touching the
// first.
#pragma once

#include "session/SessionView.h"

#include <vector>

namespace tarnel::session {

class Views : public SessionView
{
public:
    // `view` is borrowed: it must outlive this, or be removed first. Not
    // while a view is being told.
    void add(SessionView& view);
    void remove(SessionView& view);

    void newField(Int16 fieldType) override;
    void cellChanged(int index, const Cell& cell) override;
    void scoreChanged(Colour colour, Int16 points) override;
    void turnChanged(std::optional<Colour> toMove, std::optional<Move> after) override;
    void gameOver(Int16 redPoints, Int16 yellowPoints) override;
    void menusChanged() override;
    void scoreEnquired(Colour asking, Int16 redPoints, Int16 yellowPoints) override;
    void helpChosen() override;
    void aboutChosen() override;
    void exitChosen() override;

private:
    template <typename Call> void tellEach(const Call& call)
    {
        for (SessionView* view : views_) {
            call(*view);
        }
    }

    std::vector<SessionView*> views_;
};

} // namespace tarnel::session
