// One frame of the battle on the generated data: mission 8 at expert (its seven casualties awake), the unit
// array filled to its 25 slots with more soldiers of both sides and the helicopter, the medic beyond harm.
// The battle runs on from frame to frame at 33 ms a frame, the overhead view's camera and display included.
// Target: under 0.2 ms median.
#include "battlefield/mission_frame.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <memory>

#include "battlefield/casualty_cases.h"
#include "battlefield/developer_switches.h"
#include "battlefield/extraction.h"
#include "battlefield/mission_load.h"
#include "battlefield/mission_state.h"
#include "battlefield/overhead_entry.h"
#include "battlefield/unit_array.h"
#include "battlefield/view_preset.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace {

using namespace kestrine;

constexpr int32_t kFrameMs = 33;

void SetUpGame() {
  if (engineRoot) return;
  if (chdir(KESTRINE_DATA_DIR) != 0) return;
  engineRoot = engine::CreateEngineRoot("headless");
  engine::CoreOf(*engineRoot).SetTraceToStderr(false);
  engineStage = engineRoot->CreateStage();
  engineCamera = engineStage->GetCamera();
  engineLights[0] = engineRoot->CreateLight(0);
  engineLights[1] = engineRoot->CreateLight(3);
  CreateTextOverlay();
  CreateOverlays();
}

// Mission 8 at expert, every casualty awake, the array filled up and the helicopter called.
void FullMission() {
  kestrine::srand(8);
  missionNumber = 8;
  difficulty = 2;
  SetUpMissionCasualties();
  LoadMission();
  ApplyViewPreset();
  BuildNavGrid();
  for (int32_t i = firstPatientUnit; i < unitCount; ++i) units[i]->state = 1;
  for (int32_t n = 0; HasFreeUnitSlot(false); ++n) {
    const int32_t side = n % 2 == 0 ? kSideAlly : kSideEnemy;
    const int32_t slot = unitCount;
    units[slot] = std::make_unique<Unit>(engineRoot, engineStage, side);
    units[slot]->Place(Vector3(-60.0f + 8.0f * n, 410.0f, side == kSideAlly ? -30.0f : 30.0f), side, 0, slot);
    ++unitCount;
  }
  ChooseExtractionPoint();
  CreateEvacHelicopter();
  gameState = STATE_OVERHEAD;
  missionClock = 100000000;
  missionState.extractionWarnTime = 0;
  invulnerable = 1;
}

void BM_MissionFrame(benchmark::State& state) {
  SetUpGame();
  FullMission();
  if (unitCount != kUnitSlotCount) state.SkipWithError("the unit array is not full");
  for (auto _ : state) {
    gameClock += kFrameMs;
    frameTime = kFrameMs;
    MissionFrame(kFrameMs, true);
  }
  state.counters["units"] = unitCount;
  UnloadMission();
}
BENCHMARK(BM_MissionFrame)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
