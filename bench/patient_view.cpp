// One frame of the patient view on the real renderer (SDL offscreen, llvmpipe when there is no GPU) at
// 640 x 480: the casualty with facial and arm lacerations in his mission's surroundings, every treatment
// model he could wear shown on him, a vehicle on his leg, a turban and two blood pools growing, the camera
// orbiting a little so that each frame is drawn in full; UpdatePatientView and the render until the GPU
// finished it. Reports the median frame time in ms ("median_ms"). Goal: under 4 ms.
#include "casualty/patient_view.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "backend/sdl/sdl_backend.h"
#include "casualty/blood_pools.h"
#include "casualty/casualty_slots.h"
#include "casualty/injury_props.h"
#include "casualty/patient.h"
#include "casualty/treatment_items.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/screen_text.h"

namespace {

using namespace kestrine;

constexpr int kFrames = 300;
constexpr int32_t kFrameMs = 33;
constexpr int32_t kLacerations = 31;
constexpr int32_t kVehicleWound = 6;
constexpr int32_t kLegsGoneWound = 4;

std::vector<ViewCasualty> OneCasualty() { return {ViewCasualty{kLacerations, 1, true}}; }

void PatientViewFrame(benchmark::State& state) {
  if (chdir(KESTRINE_DATA_DIR) != 0) {
    state.SkipWithError("no game data");
    return;
  }
  engineRoot = engine::CreateEngineRoot("sdl");
  engine::CoreOf(*engineRoot).SetTraceToStderr(false);
  engine::SdlBackend* backend = engine::SdlBackendOf(*engineRoot);
  if (!backend || !backend->HasGlContext()) {
    state.SkipWithError("no OpenGL 3.3 context");
    return;
  }
  engineRoot->SetDisplayMode(640, 480, 16);
  screenWidth = 640;
  screenHeight = 480;
  engineStage = engineRoot->CreateStage();
  engineCamera = engineStage->GetCamera();
  engineLights[0] = engineRoot->CreateLight(0);
  engineLights[1] = engineRoot->CreateLight(3);
  engineStage->AddObject(engineLights[0]);
  engineStage->AddObject(engineLights[1]);
  CreateTextOverlay();
  CreateOverlays();
  HideOverlay();
  kestrine::srand(31);
  missionNumber = 1;
  difficulty = 0;
  RegisterCasualtyCaseSource(OneCasualty);
  BuildPatientView(nullptr);
  Patient& patient = *casualties[0];
  // The heaviest props he could have (the vehicle on his leg with its shadow, and a turban) and the pools
  // of a wound that bleeds on both sides.
  patient.appearance = 3;
  CreateInjuryProps(patient, kVehicleWound);
  CreateBloodPools(patient, kLegsGoneWound);
  currentCasualtyIndex = 0;
  SwitchToPatientView();
  // Everything he could wear, but the blanket that would hide it.
  patient.appliedItems = 0xffffffu & ~ItemBit(ITEM_BURN_BLANKET);
  clampCountdown = 0;
  missionClock = 100000000;
  frameTime = kFrameMs;
  UpdatePatientView(kFrameMs);
  engineRoot->Render();  // first uploads outside the timing

  std::vector<double> ms;
  ms.reserve(kFrames);
  int frame = 0;
  std::vector<double> update;
  update.reserve(kFrames);
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    gameClock += kFrameMs;
    // The camera orbits a little each frame, so every frame is drawn in full as while the player looks round.
    engineCamera->MoveBy((frame++ % 2 == 0) ? 0.01f : -0.01f, 0, 0);
    UpdatePatientView(kFrameMs);
    const auto t1 = std::chrono::steady_clock::now();
    engineRoot->Render();
    backend->FinishFrame();
    update.push_back(std::chrono::duration<double>(t1 - t0).count() * 1000);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - t0;
    state.SetIterationTime(took.count());
    ms.push_back(took.count() * 1000);
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
  state.counters["p90_ms"] = ms.empty() ? 0 : ms[ms.size() * 9 / 10];
  std::sort(update.begin(), update.end());
  state.counters["update_median_ms"] = update.empty() ? 0 : update[update.size() / 2];
  state.counters["stage_objects"] = static_cast<double>(engineStage->Objects().size());
}
BENCHMARK(PatientViewFrame)->Iterations(kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
