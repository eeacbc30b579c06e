#include "battlefield/spawn_points.h"

#include <algorithm>

#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

SpawnPointState spawnPointState;
KESTRINE_PROGRAM_STATE(spawnPointState);

constexpr float kPaddingSpawnXZ = 70.0f;
constexpr float kPaddingSpawnY = 400.0f;

}  // namespace

const SpawnPointState& SpawnPoints() { return spawnPointState; }

void ClearSpawnPoints() { spawnPointState.spawnPointCount = 0; }

void AddSpawnPoint(const Vector3& point) {
  SpawnPointState& s = spawnPointState;
  if (s.spawnPointCount < 0 || s.spawnPointCount >= kSpawnPointCapacity) return;
  s.spawnPoints[s.spawnPointCount] = point;
  ++s.spawnPointCount;
}

void PadSpawnPoints() {
  SpawnPointState& s = spawnPointState;
  s.spawnPointCount = std::clamp(s.spawnPointCount, 0, kSpawnPointCapacity);
  for (int32_t i = s.spawnPointCount; i < kSpawnPointCapacity; ++i)
    s.spawnPoints[i] = Vector3(kPaddingSpawnXZ, kPaddingSpawnY, kPaddingSpawnXZ);
  if (s.spawnPointCount == 0) s.spawnPointCount = kSpawnPointCapacity;
}

bool PickSpawnPoint(Vector3& point) {
  const int32_t count = std::min(spawnPointState.spawnPointCount, kSpawnPointCapacity);
  if (count <= 0) return false;
  point = spawnPointState.spawnPoints[rand() % count];
  return true;
}

}  // namespace kestrine
