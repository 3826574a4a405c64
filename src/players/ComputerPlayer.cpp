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
    if (player.Level < 0 || player.Level >= static_cast<Int16>(kPlayRoutines.size())) {
        return false; // no such level
    }
    const std::optional<Int16> index =
        kPlayRoutines[static_cast<std::size_t>(player.Level)](game, random_);
    if (!index) {
        return false;
    }
    game.playMove(*index);
    return true;
}

} // namespace tarnel
