#include "battlefield/spawn_map.h"

#include <algorithm>
#include <cstdlib>

#include "battlefield/mission_file_io.h"

namespace kestrine {

namespace {

constexpr float kSoldierDropHeight = 450.0f;
constexpr float kVehicleDropHeight = 470.0f;
// The battlefield the walking grid covers; a default medic must stand on it.
constexpr int kBattlefieldHalfWidth = 80;

bool PlacesUnit(uint8_t code) { return code == 1 || code == 2 || code == 3 || code == 5; }

Vector3 CellPoint(size_t index, float y) {
  const int row = static_cast<int>(index / kSpawnMapSide), column = static_cast<int>(index % kSpawnMapSide);
  return Vector3(static_cast<float>(column - 100), y, static_cast<float>(100 - row));
}

bool OnBattlefield(size_t index) {
  const int x = static_cast<int>(index % kSpawnMapSide) - 100, z = 100 - static_cast<int>(index / kSpawnMapSide);
  return std::abs(x) <= kBattlefieldHalfWidth && std::abs(z) <= kBattlefieldHalfWidth;
}

}  // namespace

SpawnPlan ParseSpawnMap(const uint8_t* bytes, size_t size, int32_t difficulty) {
  const int enemyCap = difficulty == 0 ? 3 : difficulty == 1 ? 4 : -1;
  const size_t cells = std::min(size, kSpawnMapSize);
  SpawnPlan plan;
  int enemies = 0;
  for (size_t i = 0; i < cells; ++i) {
    const uint8_t code = bytes[i];
    if (code == 3) {
      if (!plan.medicOnMap) plan.medic = {SpawnKind::Medic, CellPoint(i, kSoldierDropHeight)};
      plan.medicOnMap = true;
      continue;
    }
    if (code == 1 && enemyCap >= 0 && enemies >= enemyCap) continue;
    if (!PlacesUnit(code) || plan.units.size() >= static_cast<size_t>(kSpawnMapUnitLimit)) continue;
    if (code == 1) {
      ++enemies;
      plan.units.push_back({SpawnKind::Enemy, CellPoint(i, kSoldierDropHeight)});
    } else if (code == 2) {
      plan.units.push_back({SpawnKind::Ally, CellPoint(i, kSoldierDropHeight)});
    } else {
      plan.units.push_back({SpawnKind::Vehicle, CellPoint(i, kVehicleDropHeight)});
    }
  }
  if (!plan.medicOnMap) {
    // The first cell of the battlefield that no unit takes; cells past the end of a short map are empty.
    for (size_t i = 0; i < kSpawnMapSize; ++i)
      if (OnBattlefield(i) && (i >= cells || !PlacesUnit(bytes[i]))) {
        plan.medic = {SpawnKind::Medic, CellPoint(i, kSoldierDropHeight)};
        break;
      }
  }
  return plan;
}

SpawnPlan ReadSpawnMap(const std::string& folder, int32_t difficulty) {
  const std::vector<uint8_t> bytes = ReadEngineFileBytes("missions\\" + folder + "\\spawnmap.raw", kSpawnMapSize);
  return ParseSpawnMap(bytes.data(), bytes.size(), difficulty);
}

std::vector<Vector3> SpawnCasualtyPlaces(const Vector3 (&locations)[kPatientLocationCount], bool loaded,
                                         int32_t count) {
  std::vector<Vector3> places;
  if (count <= 0) return places;
  if (!loaded) {
    places.emplace_back(50.0f, kSoldierDropHeight, 20.0f);
    return places;
  }
  for (int k = 0; k < count && k < kPatientLocationCount && locations[k].x != 0.0f; ++k)
    places.emplace_back(locations[k].x, kSoldierDropHeight, locations[k].z);
  return places;
}

}  // namespace kestrine
