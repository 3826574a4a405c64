// Speed of the scoring rule, the playing routines and whole headless games.
//
//   cmake --preset release && cmake --build --preset release
//   ./build/release/bench/tarnel_bench
#include "ComputerTurn.h"
#include "FieldTables.h"
#include "Game.h"
#include "HeadlessToolkit.h"
#include "Players.h"

#include <benchmark/benchmark.h>

namespace tarnel {
namespace {

struct Headless
{
    Headless()
    {
        tables.buildAll();
        game.Load();
    }
    NullToolkit toolkit;
    FieldTables tables;
    Game game{toolkit, tables};
};

// A Standard board half played by two Smart players: 75 cells taken.
void playHalfGame(Headless& h)
{
    h.game.setPlayer(Colour::Red, 1, level::Smart);
    h.game.setPlayer(Colour::Yellow, 1, level::Smart);
    h.game.setFieldType(field::Standard);
    h.game.newGame();
    for (int move = 0; move < 75; ++move) {
        computerTurnTick(h.game);
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

// One call of a routine on the mid-game board; the move is taken back by
// replaying the board, which is excluded from the timing.
template <std::optional<Int16> (*Play)(Game&)> void BM_Routine(benchmark::State& state)
{
    Headless h;
    for (auto _ : state) {
        state.PauseTiming();
        playHalfGame(h);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Play(h.game));
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
    h.game.setComputerVsComputer(true);
    h.game.setPlayer(Colour::Red, 1, level);
    h.game.setPlayer(Colour::Yellow, 1, level);
    h.game.setFieldType(field::Standard);
    h.game.newGame();
    for (auto _ : state) {
        const long games = h.toolkit.messageCount;
        while (h.toolkit.messageCount == games) {
            computerTurnTick(h.game);
        }
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
