#include "ComputerTurn.h"

#include "Players.h"

namespace tarnel {

bool computerTurnTick(Game& game)
{
    const GameState& state = game.state();
    const PlayerRecord& player = state.Players.at(static_cast<std::size_t>(state.CurrentPlayer));
    if (player.IsComputer != 1) {
        return false; // a person is to move
    }
    if (game.BordVol()) {
        return false; // the result of the last game is still open
    }
    std::optional<Int16> index;
    switch (player.Level) {
    case level::Idiot:
        index = PlayIdiot(game, game.random());
        break;
    case level::Smart:
        index = PlaySmart(game, game.random());
        break;
    case level::Genius:
        index = PlayGenius(game, game.random());
        break;
    default:
        return false;
    }
    if (!index) {
        return false;
    }
    game.DoeZet(*index);
    game.finishMove(*index);
    return true;
}

} // namespace tarnel
