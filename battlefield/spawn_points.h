// The points knocked-down and respawning enemies reappear at (the mission's spawn entries).
#pragma once

#include <cstdint>

#include "shell/vector3.h"

namespace kestrine {

// The strategy editor's list holds four; the mission load fills up to four and no more.
constexpr int kSpawnPointCapacity = 4;

struct SpawnPointState {
  Vector3 spawnPoints[kSpawnPointCapacity];
  int32_t spawnPointCount = 0;
};
extern SpawnPointState spawnPointState;
extern Vector3 (&spawnPoints)[kSpawnPointCapacity];
extern int32_t& spawnPointCount;

// One spawn point drawn with rand() % count. False, with nothing drawn, when the mission has none: the
// unit then stays where it is.
bool PickSpawnPoint(Vector3& point);

}  // namespace kestrine
