// The mission load behind the loading screen, on the generated data: LoadMission and the first entry to the
// overhead view with the walking grid read from its file (the load every start after the first), and,
// apart, the walking grid's computation that the first start of a mission folder adds. Target: the load
// under 300 ms median.
#include "battlefield/mission_load.h"

#include <benchmark/benchmark.h>

#include "battlefield/line_of_sight.h"
#include "battlefield/nav_grid.h"
#include "battlefield/nav_grid_build.h"
#include "game_setup.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"

namespace {

using namespace kestrine;

// The engine, lights and overlays as start-up leaves them, made once, in the data folder; each mission's
// grid file written once so the timed loads read it.
void SetUpGame() {
  if (Engine().engineRoot || !bench::SetUpHeadlessGame()) return;
  const int32_t wounds[kMaxCasualtyCases] = {3, 6, 12, 20, 31, 40, 45};
  CasualtyCase cases[kMaxCasualtyCases];
  for (int k = 0; k < kMaxCasualtyCases; ++k) cases[k] = CasualtyCase{wounds[k], k % 2, k == 1};
  SetCasualtyCases(cases, kMaxCasualtyCases);
  for (int32_t mission = 1; mission <= 10; ++mission) {
    GoToMission(mission);
    LoadMission(mission, Campaign().difficulty);
    BuildNavGrid();
    UnloadMission();
  }
}

void BM_MissionLoad(benchmark::State& state) {
  SetUpGame();
  const auto mission = static_cast<int32_t>(state.range(0));
  GoToMission(mission);
  ChooseDifficulty(2);
  for (auto _ : state) {
    LoadMission(mission, 2);
    BuildNavGrid();
    state.PauseTiming();
    UnloadMission();
    state.ResumeTiming();
  }
}
// Mission 4: the most level objects; mission 8: the most casualties; mission 13: training on folder 4.
BENCHMARK(BM_MissionLoad)
    ->Arg(1)
    ->Arg(4)
    ->Arg(8)
    ->Arg(13)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_FirstRunGrid(benchmark::State& state) {
  SetUpGame();
  const auto mission = static_cast<int32_t>(state.range(0));
  GoToMission(mission);
  ChooseDifficulty(2);
  LoadMission(mission, 2);
  BuildNavGrid();
  for (auto _ : state) {
    // A new probe, as a mission's first entry makes it.
    ReleaseSightProbe();
    NavCells grid;
    CopyNavGrid(grid);
    ComputeNavGrid(grid);
    SetNavGrid(grid);
  }
  UnloadMission();
}
BENCHMARK(BM_FirstRunGrid)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
