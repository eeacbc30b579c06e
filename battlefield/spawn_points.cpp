#include "battlefield/spawn_points.h"

#include <algorithm>

#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

SpawnPointState spawnPointState;
KESTRINE_PROGRAM_STATE(spawnPointState);
Vector3 (&spawnPoints)[kSpawnPointCapacity] = spawnPointState.spawnPoints;
int32_t& spawnPointCount = spawnPointState.spawnPointCount;

bool PickSpawnPoint(Vector3& point) {
  const int32_t count = std::min(spawnPointCount, kSpawnPointCapacity);
  if (count <= 0) return false;
  point = spawnPoints[rand() % count];
  return true;
}

}  // namespace kestrine
