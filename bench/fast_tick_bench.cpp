// One complete fast tick of frmLevel1 on the headless desktop: the speed
// window check, the player's step, four moving ghosts against all 20 walls,
// all 68 small and 9 large dots tested, and the level check.
#include "allocation_counter.h"
#include "platform/headless/headless_desktop.h"
#include "rules/start_places.h"
#include "screen/game.h"
#include "screen/level_screen.h"

#include <benchmark/benchmark.h>

namespace zubble {
namespace {

// Every so many ticks the ghosts go back to their corners, so that they keep
// running and never reach the player.
constexpr int kTicksPerRun = 32;

void restartGhosts(LevelScreen& screen)
{
    for (int i = 0; i < kGhostCount; ++i) {
        screen.imgGhost[i].Left = float(kGhostCorners[i].Left);
        screen.imgGhost[i].Top = float(kGhostCorners[i].Top);
        screen.GhostDir[i] = i % 2 ? 1 : 4;
    }
}

void FastTick(benchmark::State& state)
{
    platform::HeadlessDesktop desktop;
    Game game(desktop);
    game.start();
    LevelScreen& screen = game.frmLevel1();
    screen.tmrZub_Timer(); // the speed window is up from here on
    restartGhosts(screen);

    int ticks = 0;
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = bench::allocationCount();
        screen.tmrZub_Timer();
        allocations += bench::allocationCount() - before;
        if (++ticks % kTicksPerRun == 0) {
            state.PauseTiming();
            restartGhosts(screen);
            state.ResumeTiming();
        }
    }
    if (!desktop.boxes.empty())
        state.SkipWithError("a ghost reached the player; the tick measured was not a plain one");
    state.counters["allocations_per_tick"]
        = benchmark::Counter(double(allocations) / double(ticks ? ticks : 1));
}
BENCHMARK(FastTick);

} // namespace
} // namespace zubble

BENCHMARK_MAIN();
