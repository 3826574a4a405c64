// Plays N whole Computer vs Computer games on the Standard field at one
// level, on the engine and the players alone, for an instruction count
// (bench/whole_game.sh). Written against what every version of the engine
// since the generator moved to the computer player offers, so that the same
// program measures an earlier commit beside this one.
#include "engine/FieldTables.h"
#include "engine/Game.h"
#include "players/ComputerPlayer.h"

#include <cstdio>
#include <cstdlib>

namespace {
using namespace tarnel;

class CountingView : public GameView
{
public:
    void newField(Int16 /*fieldType*/) {} // told by later versions only
    void cellChanged(int /*index*/, const Cell& /*cell*/) override {}
    void scoreChanged(Colour /*colour*/, Int16 /*points*/) override {}
    void turnChanged(std::optional<Colour> /*toMove*/, std::optional<Move> /*after*/) override {}
    void gameOver(Int16 /*redPoints*/, Int16 /*yellowPoints*/) override { ++gamesOver; }
    long gamesOver = 0;
};
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fputs("usage: whole_game_driver LEVEL GAMES\n", stderr);
        return 2;
    }
    const auto level = static_cast<Int16>(std::atoi(argv[1]));
    const long games = std::atol(argv[2]);
    CountingView view;
    FieldTables tables;
    tables.buildAll();
    Game game(view, tables);
    ComputerPlayer computer;
    game.setPlayer(Colour::Red, 1, level);
    game.setPlayer(Colour::Yellow, 1, level);
    game.setFieldType(field::Standard);
    game.newGame();
    for (long played = 0; played < games; ++played) {
        const long before = view.gamesOver;
        while (view.gamesOver == before) {
            computer.play(game);
        }
        game.newGame(); // the next field, as the closing of the result does
    }
    std::printf("%ld games, red %d\n", view.gamesOver, game.state().RedPoints);
    return 0;
}
