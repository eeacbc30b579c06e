// A whole overhead frame as the player sees it, on the real renderer (SDL's offscreen driver: llvmpipe when
// there is no GPU) at 640 x 480: the battle's frame with its head-up display stage, then the picture drawn.
// Mission 8 at expert with the unit array filled to its 25 slots, the medic beyond harm, 33 ms a frame.
// Reports the median and 90th-percentile frame times ("median_ms", "p90_ms"), what the renderer did in a frame,
// and the memory of the process in battle ("vm_hwm_mb", "rss_anon_mb"). Target: median 4 ms or less.
#include "battlefield/mission_frame.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/overhead_hud.h"
#include "game_setup.h"
#include "shell/overlays.h"
#include "shell/engine_setup.h"
#include "shell/events.h"

namespace {

using namespace kestrine;

constexpr int32_t kFrameMs = 33;

void OverheadFrame(benchmark::State& state) {
  engine::SdlBackend* backend = bench::SetUpSdlGame(state);
  if (!backend) return;
  bench::FillMissionEight();
  SetOverheadHotspots();
  DrawOverheadLabels();
  // The battle takes the loading screen's picture off once its start countdown ran out: the battlefield shows.
  HideOverlay();
  if (Units().unitCount != kUnitSlotCount) state.SkipWithError("the unit array is not full");
  Engine().engineRoot->Render();  // the first uploads outside the timing
  bench::RunFrames(state, *Engine().engineRoot, *backend, [](int) {
    SetGameClock(Clock().gameClock + kFrameMs);
    SetFrameTime(kFrameMs);
    MissionFrame(kFrameMs, true);
  });
  state.counters["units"] = Units().unitCount;
  bench::CountMemory(state);
  UnloadMission();
}
BENCHMARK(OverheadFrame)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
