// Speed of the scoring rule, the playing routines and whole headless games.
//
//   cmake --preset release && cmake --build --preset release
//   ./build/release/bench/tarnel_bench
#include "engine/FieldTables.h"
#include "engine/Game.h"
#include "engine/GameView.h"
#include "menus/MenuState.h"
#include "players/ComputerPlayer.h"
#include "players/Players.h"

#include <benchmark/benchmark.h>

namespace tarnel {
namespace {

using menus::MenuState;

// A view that shows nothing: the cheapest possible partner of the engine.
class NullView : public GameView
{
public:
    void newField(Int16 /*fieldType*/) override {}
    void cellChanged(int, const Cell&) override {}
    void scoreChanged(Colour, Int16) override {}
    void turnChanged(std::optional<Colour>, std::optional<Move>) override {}
    void gameOver(Int16, Int16) override { ++gamesOver; }

    long gamesOver = 0;
};

struct Headless
{
    Headless()
    {
        tables.buildAll();
        menus.load();
    }
    NullView view;
    FieldTables tables;
    Game game{view, tables};
    ComputerPlayer computer;
    MenuState menus{game};
};

// A Standard board half played by two Smart players: 75 cells taken.
void playHalfGame(Headless& h)
{
    h.game.setPlayer(Colour::Red, 1, level::Smart);
    h.game.setPlayer(Colour::Yellow, 1, level::Smart);
    h.game.setFieldType(field::Standard);
    h.game.newGame();
    for (int move = 0; move < 75; ++move) {
        h.computer.play(h.game);
    }
}

void BM_KijkRond(benchmark::State& state)
{
    Headless h;
    playHalfGame(h);
    for (auto _ : state) {
        for (Int16 k = 0; k < kCellCount; ++k) {
            Int16 points = 0;
            benchmark::DoNotOptimize(h.game.KijkRond(points, k, Picture::red));
        }
    }
    state.SetItemsProcessed(state.iterations() * kCellCount);
}
BENCHMARK(BM_KijkRond);

// One call of a routine on the mid-game board. A routine only chooses, so
// the board stays as it is from one call to the next.
template <PlayRoutine Play> void BM_Routine(benchmark::State& state)
{
    Headless h;
    playHalfGame(h);
    Lcg24 random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Play(h.game, random));
    }
}
BENCHMARK(BM_Routine<PlayIdiot>)->Name("BM_PlayIdiot");
BENCHMARK(BM_Routine<PlaySmart>)->Name("BM_PlaySmart");
BENCHMARK(BM_Routine<PlayGenius>)->Name("BM_PlayGenius");

// A whole Computer vs Computer game on the Standard field, both colours at
// the level given: 150 ticks, the result and the next field's lay-out.
void BM_WholeGame(benchmark::State& state)
{
    Headless h;
    const auto level = static_cast<Int16>(state.range(0));
    h.game.setPlayer(Colour::Red, 1, level);
    h.game.setPlayer(Colour::Yellow, 1, level);
    h.game.setFieldType(field::Standard);
    h.game.newGame();
    for (auto _ : state) {
        const long games = h.view.gamesOver;
        while (h.view.gamesOver == games) {
            h.computer.play(h.game);
        }
        h.game.newGame(); // the next field, as the result's OK lays it out
    }
    state.SetLabel(level == level::Idiot ? "Idiot" : level == level::Smart ? "Smart" : "Genius");
}
BENCHMARK(BM_WholeGame)
    ->Arg(level::Idiot)
    ->Arg(level::Smart)
    ->Arg(level::Genius)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarnel

BENCHMARK_MAIN();
