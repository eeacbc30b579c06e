// One frame of the patient view on the real renderer (SDL offscreen, llvmpipe when there is no GPU) at
// 640 x 480: the casualty with facial and arm lacerations in his mission's surroundings, every treatment
// model he could wear shown on him, a vehicle on his leg, a turban and two blood pools growing, the camera
// orbiting a little so that each frame is drawn in full; UpdatePatientView and the render until the GPU
// finished it. Reports the median frame time in ms ("median_ms"). Goal: under 4 ms.
#include "casualty_view/patient_view.h"

#include "casualty/casualty_slots.h"
#include "casualty/patient.h"
#include "casualty/treatment_items.h"
#include "casualty_view/blood_pools.h"
#include "casualty_view/injury_props.h"
#include "game_setup.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"

namespace {

using namespace kestrine;

constexpr int32_t kFrameMs = 33;
constexpr int32_t kLacerations = 31;
constexpr int32_t kVehicleWound = 6;
constexpr int32_t kLegsGoneWound = 4;

std::vector<ViewCasualty> OneCasualty() { return {ViewCasualty{kLacerations, 1, true}}; }

void PatientViewFrame(benchmark::State& state) {
  engine::SdlBackend* backend = bench::SetUpSdlGame(state);
  if (!backend) return;
  HideOverlay();
  kestrine::srand(31);
  GoToMission(1);
  ChooseDifficulty(0);
  RegisterCasualtyCaseSource(OneCasualty);
  BuildPatientView(nullptr);
  Patient& patient = *Slots().casualties[0];
  // The heaviest props he could have (the vehicle on his leg with its shadow, and a turban) and the pools
  // of a wound that bleeds on both sides.
  patient.appearance = 3;
  CreateInjuryProps(patient, kVehicleWound);
  CreateBloodPools(patient, kLegsGoneWound);
  SetCurrentCasualtyIndex(0);
  SwitchToPatientView();
  // Everything he could wear, but the blanket that would hide it.
  patient.appliedItems = 0xffffffu & ~ItemBit(ITEM_BURN_BLANKET);
  ClampNextFrames(0);
  SetMissionClock(100000000);
  SetFrameTime(kFrameMs);
  UpdatePatientView(kFrameMs);
  Engine().engineRoot->Render();  // first uploads outside the timing

  std::vector<double> update;
  update.reserve(bench::kFrames);
  bench::RunFrames(state, *Engine().engineRoot, *backend, [&update](int frame) {
    const auto t0 = std::chrono::steady_clock::now();
    SetGameClock(Clock().gameClock + kFrameMs);
    // The camera orbits a little each frame, so every frame is drawn in full as while the player looks round.
    Engine().engineCamera->MoveBy((frame % 2 == 0) ? 0.01f : -0.01f, 0, 0);
    UpdatePatientView(kFrameMs);
    update.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() * 1000);
  });
  state.counters["update_median_ms"] = bench::Percentile(update, 5);
  state.counters["stage_objects"] = static_cast<double>(Engine().engineStage->Objects().size());
}
BENCHMARK(PatientViewFrame)->Iterations(bench::kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
