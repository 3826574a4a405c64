#include "ComputerPlayer.h"

#include "players/Players.h"

namespace tarnel {

bool ComputerPlayer::play(Game& game)
{
    const GameState& state = game.state();
    const PlayerRecord& player = state.Players.at(static_cast<std::size_t>(state.CurrentPlayer));
    if (player.IsComputer != 1) {
        return false; // a person is to move
    }
    // A level without a routine is a fault, never a silent pass.
    const std::optional<Int16> index =
        kPlayRoutines.at(static_cast<std::size_t>(player.Level))(game, random_);
    if (!index) {
        return false;
    }
    game.playMove(*index);
    return true;
}

} // namespace tarnel
