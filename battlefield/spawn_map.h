// The spawn map: how a mission without a strategy file places its units. 200 x 200 bytes, row-major; the
// byte at row r, column c stands for x = c - 100, z = 100 - r. Codes: 1 an enemy soldier, 2 an allied
// soldier, 3 the medic, 5 a vehicle; anything else places nothing.
//
// The reading here is pure: it says what to place and where, in map order, and the mission load makes the
// units. Casualties follow from the patient locations (SpawnCasualtyPlaces).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "battlefield/patient_locations.h"
#include "shell/vector3.h"

namespace kestrine {

constexpr int kSpawnMapSide = 200;
constexpr size_t kSpawnMapSize = static_cast<size_t>(kSpawnMapSide) * kSpawnMapSide;
// Units besides the medic a map can place: the unit array's 25 slots less the medic's and the one kept
// for the evacuation helicopter. (Casualties need slots too; the mission load stops when they run out.)
constexpr int kSpawnMapUnitLimit = 23;

enum class SpawnKind : int32_t { Enemy, Ally, Medic, Vehicle };

struct SpawnPlacement {
  SpawnKind kind = SpawnKind::Enemy;
  Vector3 position;  // y 450 for soldiers and the medic, 470 for vehicles
};

struct SpawnPlan {
  // Always a medic: the map's first code 3, or, on a map without one, the first open cell of the
  // battlefield (further code 3s place nothing).
  SpawnPlacement medic{SpawnKind::Medic, {}};
  bool medicOnMap = false;
  // Enemies, allies and vehicles in row-major order; at most kSpawnMapUnitLimit.
  std::vector<SpawnPlacement> units;
};

// Reads at most 200 rows. Enemies are capped by difficulty: 3 at novice (0), 4 at intermediate (1), none
// at expert (2); a refused code places nothing but still takes its cell.
SpawnPlan ParseSpawnMap(const uint8_t* bytes, size_t size, int32_t difficulty);

// "missions\<folder>\spawnmap.raw" read through the engine and parsed.
SpawnPlan ReadSpawnMap(const std::string& folder, int32_t difficulty);

// Where the casualties of a map-placed mission lie, in creation order: the patient locations as (x, 450, z)
// up to `count` or the first location whose x is 0.0; with no locations loaded, one casualty at
// (50, 450, 20).
std::vector<Vector3> SpawnCasualtyPlaces(const Vector3 (&locations)[kPatientLocationCount], bool loaded, int32_t count);

}  // namespace kestrine
