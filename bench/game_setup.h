// The game as start-up leaves it, in the build's data folder, for benchmarks of game code: on the headless
// engine, or on the SDL engine with its lights on the stage; and the fullest battle there is to run.
#pragma once

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
#include "frame_timing.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace kestrine::bench {

// The engine, its two lights and the overlays on the headless engine, made once; false without the data.
inline bool SetUpHeadlessGame() {
  if (Engine().engineRoot) return true;
  if (chdir(KESTRINE_DATA_DIR) != 0) return false;
  UseEngine(engine::CreateEngineRoot("headless"));
  engine::CoreOf(*Engine().engineRoot).SetTraceToStderr(false);
  const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
  UseEngine(Engine().engineRoot, stage, stage->GetCamera());
  UseEngineLights(Engine().engineRoot->CreateLight(0), Engine().engineRoot->CreateLight(3));
  CreateTextOverlay();
  CreateOverlays();
  return true;
}

// The same on the SDL engine at 640 x 480, the lights on the stage; nullptr, and the benchmark skipped,
// without the data or an OpenGL 3.3 context.
inline engine::SdlBackend* SetUpSdlGame(benchmark::State& state) {
  if (chdir(KESTRINE_DATA_DIR) != 0) {
    state.SkipWithError("no game data");
    return nullptr;
  }
  engine::EngineRef<engine::EngineRoot> root;
  engine::SdlBackend* backend = CreateSdlRoot(root, state);
  UseEngine(root);
  if (!backend) return nullptr;
  SetScreenSize(640, 480);
  const engine::EngineRef<engine::EngineStage> stage = Engine().engineRoot->CreateStage();
  UseEngine(Engine().engineRoot, stage, stage->GetCamera());
  Engine().engineCamera->SetViewport(0, 0, 640, 480);
  UseEngineLights(Engine().engineRoot->CreateLight(0), Engine().engineRoot->CreateLight(3));
  Engine().engineStage->AddObject(Engine().engineLights[0]);
  Engine().engineStage->AddObject(Engine().engineLights[1]);
  CreateTextOverlay();
  CreateOverlays();
  return backend;
}

// Mission 8 at expert, every casualty awake, the unit array filled up with soldiers of both sides and the
// helicopter called; the overhead view's state, the clock far from its end and the medic beyond harm.
inline void FillMissionEight() {
  kestrine::srand(8);
  GoToMission(8);
  ChooseDifficulty(2);
  SetUpMissionCasualties();
  LoadMission(8, 2);
  ApplyViewPreset();
  BuildNavGrid();
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i) Units().units[i]->state = 1;
  for (int32_t n = 0; HasFreeUnitSlot(false); ++n) {
    const int32_t side = n % 2 == 0 ? kSideAlly : kSideEnemy;
    const int32_t slot = Units().unitCount;
    PutUnit(slot, std::make_unique<Unit>(Engine().engineRoot, Engine().engineStage, side));
    Units().units[slot]->Place(Vector3(-60.0f + 8.0f * n, 410.0f, side == kSideAlly ? -30.0f : 30.0f), side, 0, slot);
    CountNewUnit();
  }
  ChooseExtractionPoint();
  CreateEvacHelicopter();
  // The battle is set up by hand above, so the overhead view's entry is not run again.
  StoreGameStateWithoutEntry(STATE_OVERHEAD);
  SetMissionClock(100000000);
  missionState.extractionWarnTime = 0;
  SetInvulnerable(true);
}

}  // namespace kestrine::bench
