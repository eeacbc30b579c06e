// The arterial spurt's drops and their flight, once a frame for the shown patient.
#include "casualty_view/spurt.h"

#include <algorithm>

#include "casualty/blood_splat.h"
#include "casualty/patient.h"
#include "shell/program_state.h"

namespace kestrine {

SpurtState spurtState;
KESTRINE_PROGRAM_STATE(spurtState);

const SpurtState& Spurt() { return spurtState; }

void MoveSpurtDrop(int32_t drop, const Vector3& position) { spurtState.drops[drop].position = position; }

namespace {

constexpr float kDropLength = 0.45f;
constexpr float kDropRadius = 0.04f;
constexpr int kDropSegments = 6;
constexpr float kBleedPerFrame = 0.00005f;
// Below this a drop has left the scene: the wound throws the next beat.
constexpr float kFallenY = -15.0f;
// Frames of weakening spurt after death; `spurting` counts them from 2.
constexpr int32_t kFadeFrames = 101;
constexpr int32_t kSpurtRunning = 2;

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// Long side along the flight, its forward square to it and level. A drop falling straight has no level
// direction square to its flight: it keeps the turn it had.
void Orient(SpurtDrop& drop) {
  Vector3 up = drop.velocity;
  up.Normalize();
  const Vector3 forward = up.VectorProduct(Vector3(0.0f, 1.0f, 0.0f));
  if (forward.x == 0.0f && forward.z == 0.0f) return;
  drop.actor->SetOrientation(forward.x, forward.y, forward.z, up.x, up.y, up.z);
}

}  // namespace

void MakeSpurtDrops(engine::EngineRoot& root, engine::EngineStage& stage) {
  for (SpurtDrop& drop : spurtState.drops) {
    if (drop.actor) continue;
    drop.mesh = root.CreateCylinder(kDropLength, kDropRadius, kDropSegments, 1);
    drop.actor = root.CreateActor();
    drop.actor->AttachShape(drop.mesh);
    stage.AddObject(drop.actor);
    drop.actor->SetVisible(0);
    drop.mesh->SetFaceColor(L"front", 106, 12, 12);
    drop.mesh->SetFaceOpacity(L"front", 255);
  }
  spurtState.gravity.Set(0.0f, -0.1f, 0.0f);
}

void ReleaseSpurtDrops(engine::EngineStage* stage) {
  for (SpurtDrop& drop : spurtState.drops) {
    if (stage != nullptr && drop.actor) stage->RemoveObject(drop.actor);
    drop = SpurtDrop{};
  }
}

void Patient::UpdateSpurt() {
  bloodLevel = Clamp01(bloodLevel + static_cast<float>(bleedRate) * kBleedPerFrame);
  bloodLevel2 = Clamp01(bloodLevel2 + static_cast<float>(secondRate) * kBleedPerFrame);
  UpdateBloodSplat(*this);

  const float* values = WoundTypeTable[woundType].spurt;
  const Vector3 origin(values[0], values[1], values[2]);
  if (spurting == 0) {
    for (SpurtDrop& drop : spurtState.drops) {
      drop.position = origin;
      if (drop.actor) drop.actor->MoveTo(origin.x, origin.y, origin.z);
    }
    return;
  }
  if (dead && spurting++ >= kFadeFrames) {
    spurting = 0;
    return;
  }
  for (SpurtDrop& drop : spurtState.drops) {
    if (!drop.actor) break;
    drop.velocity = drop.velocity + spurtState.gravity;
    drop.position = drop.position + drop.velocity;
    drop.actor->SetVisible(1);
    if (drop.position.y < kFallenY || spurting == 1) {
      spurting = std::max(spurting, kSpurtRunning);
      // Each beat weaker than the last once he has died, down to nothing.
      const float scale =
          spurting > kSpurtRunning ? std::max(0.0f, (100.0f - static_cast<float>(spurting)) / 100.0f) : 1.0f;
      for (SpurtDrop& restart : spurtState.drops) {
        restart.position = origin;
        restart.velocity = Vector3(values[3], values[4], values[5]) * scale;
        restart.age = 0;
      }
    }
    drop.actor->MoveTo(drop.position.x, drop.position.y, drop.position.z);
    Orient(drop);
    // One more drop joins the stream each frame.
    if (drop.age++ == 0) break;
  }
}

}  // namespace kestrine
