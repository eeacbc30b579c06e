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
// Written only in spawn_points.cpp, through the operations below; everyone else reads this view.
const SpawnPointState& SpawnPoints();

// A mission without points (a fresh table, the editor's reload).
void ClearSpawnPoints();
// One more point, while there is room for it (four at most).
void AddSpawnPoint(const Vector3& point);
// After the mission's build: the slots past its points take the padding point (70, 400, 70), and a mission
// without spawn points respawns its enemies there rather than nowhere (all four count).
void PadSpawnPoints();

// One spawn point drawn with rand() % count. False, with nothing drawn, when the mission has none: the
// unit then stays where it is.
bool PickSpawnPoint(Vector3& point);

}  // namespace kestrine
