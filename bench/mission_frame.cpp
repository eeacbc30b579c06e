// One frame of the battle on the generated data: mission 8 at expert (its seven casualties awake), the unit
// array filled to its 25 slots with more soldiers of both sides and the helicopter, the medic beyond harm.
// The battle runs on from frame to frame at 33 ms a frame, the overhead view's camera and display included.
// Target: under 0.2 ms median.
#include "battlefield/mission_frame.h"

#include <benchmark/benchmark.h>

#include "game_setup.h"
#include "shell/events.h"

namespace {

using namespace kestrine;

constexpr int32_t kFrameMs = 33;

void BM_MissionFrame(benchmark::State& state) {
  bench::SetUpHeadlessGame();
  bench::FillMissionEight();
  if (Units().unitCount != kUnitSlotCount) state.SkipWithError("the unit array is not full");
  for (auto _ : state) {
    SetGameClock(Clock().gameClock + kFrameMs);
    SetFrameTime(kFrameMs);
    MissionFrame(kFrameMs, true);
  }
  state.counters["units"] = Units().unitCount;
  UnloadMission();
}
BENCHMARK(BM_MissionFrame)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
