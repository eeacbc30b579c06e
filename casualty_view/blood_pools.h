// The blood that spreads on the ground under a bleeding patient: a list of pools, the newest first. A
// wound makes two, one on each side of him; the one on the side he bleeds towards grows, and rolling him
// over swaps which one does. The pools lie on the scene's ground and stay where they are when the ground
// slides under him.
#pragma once

#include <cstdint>
#include <memory>

#include "casualty/wound_types.h"
#include "engine/engine.h"

namespace kestrine {

class Patient;

struct BloodPool {
  int32_t id = -1;
  int32_t visible = 0;  // 1: this pool grows
  engine::EngineRef<engine::EngineActor> actor;
  engine::EngineRef<engine::EngineBitmap> image;
  engine::EngineRef<engine::EngineMesh> mesh;
  float rate = 0.0f;
  float size = 0.0f;
  float x = 0.0f;
  float z = 0.0f;
  std::unique_ptr<BloodPool> next;
};

// Where a wound row's pools lie beside him, in ground units: (x, z) on the side he bleeds towards and
// (-x, z) on the other; (0, 0) for a wound without pools.
struct BloodPoolOffset {
  float x, z;
};
extern const BloodPoolOffset BloodPoolOffsets[kWoundTypeCount];

// The pools of a wound carry this id; the rate the treatment sets reaches them by it.
constexpr int32_t kWoundPoolId = 0;
constexpr const wchar_t* kBloodPoolPicture = L"bloodpool1.qjp";

// A new pool at (x, z), hardly bigger than a point, at the head of the patient's list.
void AddBloodPool(Patient& patient, float rate, float x, float z);
// The newest pool's id, and making it the one that grows.
void SetBloodPoolId(Patient& patient, int32_t id);
void ShowBloodPool(Patient& patient);
// Every pool with that id runs at the rate from now on.
void SetBloodPoolRate(Patient& patient, int32_t id, float rate);
// Every pool of a wound swaps growing and resting.
void ToggleBloodPools(Patient& patient);
// The pools onto the scene's ground, each shown at its place on it; without a ground (the surroundings
// failed to load) onto the stage at those places.
void AddBloodPoolsToScene(Patient& patient, const engine::EngineRef<engine::EngineNode>& ground);
// Off the ground again, hidden and parked under it.
void RemoveBloodPoolsFromScene(Patient& patient);
// Each frame of the patient view: the growing pools spread while he lies on the ground and no timed
// animation moves him.
void UpdateBloodPools(Patient& patient);
// The pools of a wound row, replacing any he had.
void CreateBloodPools(Patient& patient, int32_t woundRow);
// Off the ground and the stage, and let go of.
void ReleaseBloodPools(Patient& patient);

}  // namespace kestrine
