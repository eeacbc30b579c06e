// A mission without a strategy file: its spawn map, the places of its casualties, and the terrain heights
// read beside them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battlefield/height_map.h"
#include "battlefield/patient_locations.h"
#include "battlefield/spawn_map.h"
#include "core/engine_internals.h"
#include "engine/engine.h"
#include "shell/globals.h"
#include "shell/program_state.h"
#include "unit/shell/scratch_tree.h"

namespace kestrine {
namespace {

// A map with the given codes at (row, column); everything else empty.
std::vector<uint8_t> Map(const std::vector<std::tuple<int, int, uint8_t>>& codes, size_t size = kSpawnMapSize) {
  std::vector<uint8_t> map(size, 0);
  for (auto [row, column, code] : codes) map[static_cast<size_t>(row) * 200 + column] = code;
  return map;
}

TEST(SpawnMap, CellsStandForPointsAndCodesForUnits) {
  const std::vector<uint8_t> map = Map({{0, 0, 2}, {1, 199, 1}, {150, 100, 5}, {100, 30, 3}, {120, 60, 4}, {7, 7, 9}});
  const SpawnPlan plan = ParseSpawnMap(map.data(), map.size(), 2);
  ASSERT_EQ(plan.units.size(), 3u);
  EXPECT_EQ(plan.units[0].kind, SpawnKind::Ally);
  EXPECT_FLOAT_EQ(plan.units[0].position.x, -100.0f);
  EXPECT_FLOAT_EQ(plan.units[0].position.y, 450.0f);
  EXPECT_FLOAT_EQ(plan.units[0].position.z, 100.0f);
  EXPECT_EQ(plan.units[1].kind, SpawnKind::Enemy);
  EXPECT_FLOAT_EQ(plan.units[1].position.x, 99.0f);
  EXPECT_FLOAT_EQ(plan.units[1].position.z, 99.0f);
  EXPECT_EQ(plan.units[2].kind, SpawnKind::Vehicle);
  EXPECT_FLOAT_EQ(plan.units[2].position.y, 470.0f);
  EXPECT_FLOAT_EQ(plan.units[2].position.z, -50.0f);
  EXPECT_TRUE(plan.medicOnMap);
  EXPECT_FLOAT_EQ(plan.medic.position.x, -70.0f);
  EXPECT_FLOAT_EQ(plan.medic.position.z, 0.0f);
}

TEST(SpawnMap, EnemiesAreCappedByDifficultyInMapOrder) {
  const std::vector<uint8_t> map = Map({{10, 5, 1}, {10, 6, 2}, {20, 1, 1}, {20, 2, 1}, {30, 0, 1}, {40, 40, 1}});
  for (auto [difficulty, enemies] : {std::pair{0, 3}, {1, 4}, {2, 5}}) {
    const SpawnPlan plan = ParseSpawnMap(map.data(), map.size(), difficulty);
    std::vector<float> rows;
    for (const SpawnPlacement& p : plan.units)
      if (p.kind == SpawnKind::Enemy) rows.push_back(p.position.z);
    ASSERT_EQ(static_cast<int>(rows.size()), enemies) << difficulty;
    EXPECT_FLOAT_EQ(rows[0], 90.0f);
    EXPECT_FLOAT_EQ(rows[2], 80.0f);                // row 20, column 2: after column 1
    EXPECT_EQ(plan.units.size(), rows.size() + 1);  // the ally is never refused
  }
}

TEST(SpawnMap, ThereIsAlwaysExactlyOneMedic) {
  // The first code 3 wins; the second places nothing.
  std::vector<uint8_t> map = Map({{50, 50, 3}, {60, 60, 3}});
  SpawnPlan plan = ParseSpawnMap(map.data(), map.size(), 0);
  EXPECT_FLOAT_EQ(plan.medic.position.x, -50.0f);
  EXPECT_TRUE(plan.units.empty());

  // No medic: the first cell of the battlefield (x and z within 80) that no unit takes.
  map = Map({{20, 20, 1}});
  plan = ParseSpawnMap(map.data(), map.size(), 0);
  EXPECT_FALSE(plan.medicOnMap);
  EXPECT_FLOAT_EQ(plan.medic.position.x, -79.0f);
  EXPECT_FLOAT_EQ(plan.medic.position.y, 450.0f);
  EXPECT_FLOAT_EQ(plan.medic.position.z, 80.0f);
  plan = ParseSpawnMap(nullptr, 0, 1);
  EXPECT_FLOAT_EQ(plan.medic.position.x, -80.0f);
  EXPECT_TRUE(plan.units.empty());
}

TEST(SpawnMap, NoMoreUnitsThanTheUnitArrayCanHold) {
  std::vector<uint8_t> map(kSpawnMapSize + 100, 2);
  const SpawnPlan plan = ParseSpawnMap(map.data(), map.size(), 2);
  EXPECT_EQ(plan.units.size(), 23u);
}

TEST(PatientLocations, CasualtiesLieAtTheLocationsUntilOneHasNoX) {
  Vector3 locations[kPatientLocationCount] = {{10, 401, 20}, {-30, 399, 5}, {0, 400, 40}, {22, 400, 22}};
  std::vector<Vector3> places = SpawnCasualtyPlaces(locations, true, 4);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_FLOAT_EQ(places[1].x, -30.0f);
  EXPECT_FLOAT_EQ(places[1].y, 450.0f);
  EXPECT_FLOAT_EQ(places[1].z, 5.0f);
  EXPECT_EQ(SpawnCasualtyPlaces(locations, true, 1).size(), 1u);

  places = SpawnCasualtyPlaces(locations, false, 5);
  ASSERT_EQ(places.size(), 1u);
  EXPECT_FLOAT_EQ(places[0].x, 50.0f);
  EXPECT_FLOAT_EQ(places[0].y, 450.0f);
  EXPECT_FLOAT_EQ(places[0].z, 20.0f);

  Vector3 full[kPatientLocationCount];
  for (int i = 0; i < kPatientLocationCount; ++i) full[i] = Vector3(1.0f + i, 400, 0);
  EXPECT_EQ(SpawnCasualtyPlaces(full, true, 12).size(), 8u);
}

TEST(PatientLocations, TheFileIsEightPointsRoundTripAndMissingIsFalse) {
  ResetProgramState();
  testing::ScratchTree tree;
  missionNumber = 12;
  Vector3 written[kPatientLocationCount] = {{1.5f, 2, 3}, {-4, 5, 6.25f}};
  const PatientLocationBytes bytes = EncodePatientLocations(written);
  ASSERT_EQ(bytes.size(), 96u);
  EXPECT_EQ(bytes[12], 0x00);  // record 1's x, -4.0f = 0xC0800000, little-endian
  EXPECT_EQ(bytes[14], 0x80);
  EXPECT_EQ(bytes[15], 0xC0);
  EXPECT_FALSE(LoadPatientLocations());

  tree.WriteBytes("missions\\mission12\\patloc", std::string(bytes.begin(), bytes.begin() + 18));
  patientLocations[1] = Vector3(7, 7, 7);
  ASSERT_TRUE(LoadPatientLocations());
  EXPECT_FLOAT_EQ(patientLocations[0].x, 1.5f);
  EXPECT_FLOAT_EQ(patientLocations[1].x, -4.0f);
  EXPECT_FLOAT_EQ(patientLocations[1].y, 7.0f);  // past the end of the short file
  ResetProgramState();
}

TEST(HeightMap, HeightsByVertexAndTheLowestOfTheTerrain) {
  std::vector<uint8_t> bytes(450, 0);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(90 + i % 50);
  bytes[399] = 60;
  bytes[420] = 1;  // past the grid: not read
  HeightMap map = ParseHeightMap(bytes.data(), bytes.size());
  EXPECT_EQ(map.count, 400u);
  EXPECT_EQ(map.At(3, 2), 90 + 43 % 50);
  EXPECT_EQ(map.Lowest(), 60);

  // Vertices a short file does not reach stay at the grid's start height.
  map = ParseHeightMap(bytes.data(), 120);
  EXPECT_EQ(map.Lowest(), 0);
  EXPECT_EQ(ParseHeightMap(nullptr, 0).count, 0u);
}

TEST(MissionFolderFiles, MapsAndHeightsAreReadThroughTheEngineUpToTheirSize) {
  testing::ScratchTree tree;
  engineRoot = engine::CreateEngineRoot("headless");
  engine::CoreOf(*engineRoot).SetTraceToStderr(false);
  std::vector<uint8_t> map = Map({{100, 100, 3}, {199, 0, 2}});
  map.resize(kSpawnMapSize + 500, 1);  // enemies past the last row are never read
  tree.WriteBytes("missions\\mission4\\spawnmap.raw", std::string(map.begin(), map.end()));
  tree.WriteBytes("missions\\mission4\\terrhm.raw", std::string(410, '\x90'));

  const SpawnPlan plan = ReadSpawnMap("mission4", 0);
  EXPECT_TRUE(plan.medicOnMap);
  ASSERT_EQ(plan.units.size(), 1u);
  EXPECT_FLOAT_EQ(plan.units[0].position.z, -99.0f);
  const HeightMap heights = ReadHeightMap("mission4");
  EXPECT_EQ(heights.count, 400u);
  EXPECT_EQ(heights.Lowest(), 0x90);

  // A missing file reads as empty: the default medic, and flat ground.
  EXPECT_FALSE(ReadSpawnMap("mission5", 2).medicOnMap);
  EXPECT_EQ(ReadHeightMap("mission5").count, 0u);
  engineRoot.Reset();
}

}  // namespace
}  // namespace kestrine
