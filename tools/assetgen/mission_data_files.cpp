// The strategy table of every mission, and the same battle written the other way a mission can be given:
// the spawn map of its terrain folder and the places of its casualties. A mission whose strategy file is
// lost still loads and plays.
#include <cstdio>
#include <string>

#include "battlefield/patient_locations.h"
#include "battlefield/spawn_map.h"
#include "battlefield/strategy_file.h"
#include "battlefield/vehicle_kind.h"
#include "tools/assetgen/canonical_path.h"
#include "tools/assetgen/mission_generators.h"
#include "tools/assetgen/mission_plans.h"
#include "tools/assetgen/mission_terrain.h"

namespace assetgen {

namespace {

using namespace kestrine;

std::string FolderPath(int n, const char* file) {
  char path[64];
  std::snprintf(path, sizeof path, "missions\\mission%d\\%s", n, file);
  return CanonicalPath(path);
}

template <size_t N>
std::string AsString(const std::array<uint8_t, N>& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool IsCasualtyPlace(const StrategyEntry& e) { return e.type == STRATEGY_START && e.injury > 0; }

uint8_t SpawnCode(const StrategyEntry& e) {
  if (e.type != STRATEGY_START || e.injury > 0) return 0;
  if (e.side == PLAYER) return 3;
  if (e.vehicle != MAN) return 5;
  return e.side == ENEMY ? 1 : 2;
}

}  // namespace

void WriteMissionDataFiles(DataTree& tree) {
  for (int mission = 1; mission <= kPlannedMissionCount; ++mission) {
    StrategyEntry entries[kStrategyEntryCount];
    int32_t count = 0;
    BuildStrategyTable(mission, entries, count);
    tree.WriteBytes(FolderPath(mission, "strat"), AsString(EncodeStrategyFile(entries, count)));

    // Casualties in table order; an x of 0 would end the list early, so the plans keep clear of it.
    Vector3 places[kPatientLocationCount];
    int placed = 0;
    for (int i = 0; i < count && placed < kPatientLocationCount - 1; ++i)
      if (IsCasualtyPlace(entries[i])) places[placed++] = entries[i].pos;
    tree.WriteBytes(FolderPath(mission, "patloc"), AsString(EncodePatientLocations(places)));

    if (mission > kTerrainFolderCount) continue;
    std::string map(kSpawnMapSize, '\0');
    for (int i = 0; i < count; ++i) {
      const uint8_t code = SpawnCode(entries[i]);
      if (code == 0) continue;
      const int column = static_cast<int>(entries[i].pos.x) + 100, row = 100 - static_cast<int>(entries[i].pos.z);
      map[static_cast<size_t>(row) * kSpawnMapSide + column] = static_cast<char>(code);
    }
    tree.WriteBytes(FolderPath(mission, "spawnmap.raw"), map);
  }
}

}  // namespace assetgen
