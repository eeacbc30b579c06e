// A mission's world built from files of the test's own making: units and casualties from the strategy
// table (the medic's slot, the team leader, the slots running out, training runs, the wrecked hummer), the
// ground level, the spawn points, a save after the build, the spawn-map route; the spawn map, the places of
// the casualties and the terrain heights each read apart; the casualties a mission is given at its briefing,
// the waking of casualties and the camera views.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "battlefield/casualty_cases.h"
#include "battlefield/ground_level.h"
#include "battlefield/height_map.h"
#include "battlefield/level_objects.h"
#include "battlefield/mission_load.h"
#include "battlefield/mission_state.h"
#include "battlefield/mission_units.h"
#include "battlefield/overhead_entry.h"
#include "battlefield/patient_locations.h"
#include "battlefield/spawn_map.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_table.h"
#include "battlefield/view_preset.h"
#include "casualty/backpack.h"
#include "nav_grid_fixture.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "shell/sound_table.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::XYZ;

struct Placed {
  int32_t type, side, vehicle, injury, orders;
  float x, z;
};

class MissionWorldTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    UseFullScreenOverlay(Engine().engineRoot->CreateBitmap(640, 480));
    missionState.terrainMesh = Engine().engineRoot->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
    GoToMission(3);
  }

  void WriteTable(const std::vector<Placed>& placed, int32_t mission = 3) {
    StrategyEntry entries[kStrategyEntryCount];
    for (size_t i = 0; i < placed.size(); ++i) {
      StrategyEntry& e = entries[i];
      e.StoreAt(Vector3(placed[i].x, 401.0f, placed[i].z));
      e.type = placed[i].type;
      e.side = placed[i].side;
      e.vehicle = placed[i].vehicle;
      e.injury = placed[i].injury;
      e.orders = placed[i].orders;
    }
    const StrategyFileBytes bytes = EncodeStrategyFile(entries, static_cast<int32_t>(placed.size()));
    tree_.WriteBytes(StrategyFilePath(mission), std::string(bytes.begin(), bytes.end()));
  }

  std::string FileBytes(const std::string& path) const { return testing::ReadWholeFile(tree_.PathOf(path)); }

  static void SetCases(std::initializer_list<CasualtyCase> cases) {
    SetCasualtyCases(cases.begin(), static_cast<int32_t>(cases.size()));
  }

  static Placed Soldier(int32_t side, float x, float z, int32_t orders = ORDERS_DEFEND) {
    return {STRATEGY_START, side, MAN, 0, orders, x, z};
  }
  static Placed Wounded(float x, float z, int32_t injury = 1) { return {STRATEGY_START, ALLY, MAN, injury, 0, x, z}; }
  // The medic, then `count` wounded soldiers in a row.
  static std::vector<Placed> MedicAndWounded(int count) {
    std::vector<Placed> placed{Soldier(PLAYER, 0, 0)};
    for (int i = 0; i < count; ++i) placed.push_back(Wounded(-30.0f + 10 * i, 20));
    return placed;
  }
};

TEST_F(MissionWorldTest, TheStrategyTableGivesSoldiersVehiclesTheMedicAndHeldBackCasualties) {
  WriteTable({Soldier(ALLY, -10, 5),
              Wounded(20, 20),
              Soldier(PLAYER, 1, 2),
              Soldier(ALLY, -12, 5, ORDERS_ADVANCE),
              {STRATEGY_START, ENEMY, ENEMYAPC, 0, ORDERS_ATTACK, 30, 30},
              Soldier(ALLY, -14, 5, ORDERS_ADVANCE),
              Wounded(-20, 40, 2),
              {STRATEGY_SPAWN, ENEMY, MAN, 0, 0, 60, 60},
              Wounded(40, -20),
              Wounded(50, -20)});
  SetCases({{3, 1, 0}, {6, 2, 1}, {12, 0, 0}});
  ChoosePlayerFigure(1);
  Backpack loaded = Pack();
  loaded.weight = 10.0f;
  RestoreBackpack(loaded);
  ChooseDifficulty(0);  // three casualties at novice in mission 3

  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);

  // The PLAYER entry takes slot 0 and no other: allies, the carrier, the next ally, then the casualties.
  ASSERT_TRUE(Units().units[0]);
  EXPECT_EQ(Units().units[0]->side, kSidePlayer);
  EXPECT_FLOAT_EQ(Units().units[0]->pos.y, 404.0f);         // raised by 3 to drop onto the ground
  EXPECT_NEAR(Units().units[0]->baseSpeed, 0.765f, 1e-6f);  // ((1 x 0.3 + 1) x 0.65 - 10 x 0.008 x 1) x 1.0
  EXPECT_TRUE(Units().units[3]->IsVehicle());
  EXPECT_NEAR(Units().units[3]->baseSpeed, 1.3f, 1e-6f);
  EXPECT_EQ(missionState.teamLeader, 2);  // the first ally sent to advance
  EXPECT_EQ(Units().firstPatientUnit, 5);
  EXPECT_EQ(Units().unitCount, 8);  // the fourth wounded soldier is beyond the novice count

  const Unit& special = *Units().units[6];
  EXPECT_EQ(special.side, kSideEnemy);
  EXPECT_EQ(special.woundType, 6);
  EXPECT_EQ(special.patientLoc, 1);
  for (int i = 5; i < 8; ++i) EXPECT_EQ(Units().units[i]->state, 5) << i;
  EXPECT_FLOAT_EQ(Units().units[5]->pos.y, 401.0f);  // casualties are not raised
  // The hummer wound brings its wreck, beside him.
  ASSERT_GE(missionState.propIndex, 0);
  const OverheadObject& wreck = LevelObjectTable().ohObjects[missionState.propIndex];
  EXPECT_FLOAT_EQ(wreck.position.x, -24.0f);
  EXPECT_FLOAT_EQ(wreck.position.y, 401.8f);
  EXPECT_TRUE(Engine().engineStage->Contains(wreck.group.Get()));

  EXPECT_EQ(missionState.casualtyCount, 3);
  EXPECT_EQ(missionState.extractionWarnTime, 120000);
  EXPECT_EQ(Pack().count[TOOL_M4], 240);
  EXPECT_EQ(SpawnPoints().spawnPointCount, 1);  // its one spawn entry, 3 above its place
  EXPECT_FLOAT_EQ(SpawnPoints().spawnPoints[0].y, 404.0f);
}

TEST_F(MissionWorldTest, WithoutAPlayerEntryTheMedicStandsAtTheFirstEntryAndTheLeaderIsFoundAfresh) {
  WriteTable({Soldier(ALLY, -10, 5, ORDERS_ADVANCE), Soldier(ENEMY, 30, 30)});
  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);
  ASSERT_TRUE(Units().units[0]);
  EXPECT_EQ(Units().units[0]->side, kSidePlayer);
  EXPECT_FLOAT_EQ(Units().units[0]->pos.x, -10.0f);
  EXPECT_EQ(missionState.teamLeader, 1);
  EXPECT_EQ(Units().unitCount, 3);
  // Without spawn entries enemies respawn at the padding point rather than nowhere.
  EXPECT_EQ(SpawnPoints().spawnPointCount, 4);
  EXPECT_FLOAT_EQ(SpawnPoints().spawnPoints[0].x, 70.0f);

  // The next mission (a training run) has no advancing ally: no leader, not the last mission's.
  DeleteAllUnits();
  WriteTable({Soldier(PLAYER, 0, 0), Soldier(ALLY, -10, 5), Wounded(5, 5, 2)});
  SetCases({{3, 1, 0}});
  ResumeCampaign(Campaign().missionNumber, Campaign().difficulty, true);
  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);
  EXPECT_EQ(missionState.teamLeader, 0);
  EXPECT_EQ(Units().units[2]->state, 2);  // a training casualty starts in the state his entry gives
}

TEST_F(MissionWorldTest, UnitsStopWhenTheSlotsRunOutKeepingOneForTheHelicopter) {
  std::vector<Placed> placed{Soldier(PLAYER, 0, 0)};
  for (int i = 0; i < 26; ++i) placed.push_back(Soldier(i % 2 ? ENEMY : ALLY, -60.0f + 4 * i, 10));
  placed.push_back(Wounded(5, 5));
  WriteTable(placed);
  SetCases({{3, 1, 0}});
  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);
  EXPECT_EQ(Units().unitCount, 24);
  EXPECT_FALSE(Units().units[24]);
  EXPECT_EQ(missionState.casualtyCount, 0);
}

TEST_F(MissionWorldTest, TheGroundLevelLiesJustUnderTheLowestVertexEvenWithoutAHeightFile) {
  WriteTable({Soldier(PLAYER, 0, 0)});
  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);
  EXPECT_FLOAT_EQ(Ground().groundLevel, 374.9f);  // every vertex at the bottom of -25..15, under 400
  std::string heights(400, static_cast<char>(200));
  heights[57] = static_cast<char>(128);
  tree_.WriteBytes("missions\\mission3\\terrhm.raw", heights);
  DeleteAllUnits();
  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);
  EXPECT_FLOAT_EQ(Ground().groundLevel, 394.9f);  // 128 / 256 x 40 - 25 + 399.9
  EXPECT_FLOAT_EQ(missionState.terrainMesh->VertexHeight(17, 2), -5.0f);
}

TEST_F(MissionWorldTest, ASaveAfterTheBuildWritesTheHeightsTheFileHad) {
  WriteTable({Soldier(PLAYER, 0, 0), Soldier(ALLY, -10, 5)});
  const std::string before = FileBytes(StrategyFilePath(3));
  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);
  ASSERT_FLOAT_EQ(StrategyTable().strategy[1].pos.y, 404.0f);
  SaveStrategy();
  EXPECT_EQ(FileBytes(StrategyFilePath(3)), before);
}

TEST_F(MissionWorldTest, WithoutAStrategyFileTheSpawnMapPlacesUnitsAndWaitingCasualties) {
  std::string map(kSpawnMapSize, '\0');
  map[100 * 200 + 90] = 3;  // the medic at (-10, 0)
  map[50 * 200 + 100] = 1;  // an enemy at (0, 50)
  map[70 * 200 + 120] = 5;  // a truck at (20, 30)
  tree_.WriteBytes("missions\\mission3\\spawnmap.raw", map);
  Vector3 places[kPatientLocationCount] = {{30, 0, 30}, {-30, 0, 30}};
  const PatientLocationBytes patloc = EncodePatientLocations(places);
  tree_.WriteBytes(PatientLocationFilePath(3), std::string(patloc.begin(), patloc.end()));
  ChooseDifficulty(2);

  BuildMissionWorld("mission3", Campaign().missionNumber, Campaign().difficulty);

  EXPECT_FLOAT_EQ(Units().units[0]->pos.x, -10.0f);
  EXPECT_EQ(Units().units[0]->side, kSideAlly);
  EXPECT_TRUE(Units().units[2]->IsVehicle());
  // The third location's x of 0 ends the list: two casualties, waiting from the start.
  EXPECT_EQ(Units().unitCount, 5);
  EXPECT_EQ(Units().units[4]->state, 1);
  EXPECT_FLOAT_EQ(Units().units[4]->pos.x, -30.0f);
  EXPECT_EQ(missionState.casualtyCount, 0);
}

// ---- the spawn map, the patient locations and the heights, read apart ----

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
  EXPECT_EQ(XYZ(plan.units[0].position), XYZ(-100, 450, 100));
  EXPECT_EQ(plan.units[1].kind, SpawnKind::Enemy);
  EXPECT_EQ(XYZ(plan.units[1].position), XYZ(99, 450, 99));
  EXPECT_EQ(plan.units[2].kind, SpawnKind::Vehicle);
  EXPECT_EQ(XYZ(plan.units[2].position), XYZ(0, 470, -50));
  EXPECT_TRUE(plan.medicOnMap);
  EXPECT_EQ(XYZ(plan.medic.position), XYZ(-70, 450, 0));
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
  EXPECT_EQ(XYZ(plan.medic.position), XYZ(-79, 450, 80));
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
  EXPECT_EQ(XYZ(places[1]), XYZ(-30, 450, 5));
  EXPECT_EQ(SpawnCasualtyPlaces(locations, true, 1).size(), 1u);

  places = SpawnCasualtyPlaces(locations, false, 5);
  ASSERT_EQ(places.size(), 1u);
  EXPECT_EQ(XYZ(places[0]), XYZ(50, 450, 20));

  Vector3 full[kPatientLocationCount];
  for (int i = 0; i < kPatientLocationCount; ++i) full[i] = Vector3(1.0f + i, 400, 0);
  EXPECT_EQ(SpawnCasualtyPlaces(full, true, 12).size(), 8u);
}

TEST_F(MissionWorldTest, ThePatientLocationFileIsEightPointsRoundTripAndMissingIsFalse) {
  GoToMission(12);
  Vector3 written[kPatientLocationCount] = {{1.5f, 2, 3}, {-4, 5, 6.25f}};
  const PatientLocationBytes bytes = EncodePatientLocations(written);
  ASSERT_EQ(bytes.size(), 96u);
  EXPECT_EQ(bytes[12], 0x00);  // record 1's x, -4.0f = 0xC0800000, little-endian
  EXPECT_EQ(bytes[14], 0x80);
  EXPECT_EQ(bytes[15], 0xC0);
  EXPECT_FALSE(LoadPatientLocations());

  tree_.WriteBytes("missions\\mission12\\patloc", std::string(bytes.begin(), bytes.begin() + 18));
  SetPatientLocation(1, Vector3(7, 7, 7));
  ASSERT_TRUE(LoadPatientLocations());
  EXPECT_FLOAT_EQ(PatientLocations().patientLocations[0].x, 1.5f);
  EXPECT_FLOAT_EQ(PatientLocations().patientLocations[1].x, -4.0f);
  EXPECT_FLOAT_EQ(PatientLocations().patientLocations[1].y, 7.0f);  // past the end of the short file
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

TEST_F(MissionWorldTest, MapsAndHeightsAreReadThroughTheEngineUpToTheirSize) {
  std::vector<uint8_t> map = Map({{100, 100, 3}, {199, 0, 2}});
  map.resize(kSpawnMapSize + 500, 1);  // enemies past the last row are never read
  tree_.WriteBytes("missions\\mission4\\spawnmap.raw", std::string(map.begin(), map.end()));
  tree_.WriteBytes("missions\\mission4\\terrhm.raw", std::string(410, '\x90'));

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
}

// ---- the casualties a mission is given at its briefing ----

TEST_F(MissionWorldTest, TheLastMissionsLastCaseIsTheSpecialOneAndTheKitFollowsTheWounds) {
  WriteTable(MedicAndWounded(6), 10);
  GoToMission(10);
  ChooseDifficulty(0);  // five casualties
  SetUpMissionCasualties();
  ASSERT_EQ(CasualtyCases().casualtyCaseCount, 5);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(CasualtyCases().casualtyCases[k].special, 0);
    EXPECT_LE(CasualtyCases().casualtyCases[k].severity, 1);
  }
  EXPECT_EQ(CasualtyCases().casualtyCases[4].special, 1);
  EXPECT_EQ(CasualtyCases().casualtyCases[4].severity, 3);
  int kit = 0;
  for (int32_t n : Pack().kitCount) kit += n;
  EXPECT_GT(kit, 0);
}

TEST_F(MissionWorldTest, AChanceMissionHasAtMostOneSpecialCaseAndFewerEntriesGiveFewerCases) {
  WriteTable(MedicAndWounded(6), 4);
  GoToMission(4);
  ChooseDifficulty(2);  // six casualties
  int withSpecial = 0;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    srand(seed);
    SetUpMissionCasualties();
    ASSERT_EQ(CasualtyCases().casualtyCaseCount, 6);
    int specials = 0;
    for (int k = 0; k < 6; ++k)
      if (CasualtyCases().casualtyCases[k].special) {
        ++specials;
        EXPECT_EQ(CasualtyCases().casualtyCases[k].severity, 2);
      }
    EXPECT_LE(specials, 1);
    withSpecial += specials;
  }
  EXPECT_GT(withSpecial, 0);
  EXPECT_LT(withSpecial, 40);

  WriteTable(MedicAndWounded(2), 4);
  SetUpMissionCasualties();
  EXPECT_EQ(CasualtyCases().casualtyCaseCount, 2);
}

// ---- waking ----

class WakingTest : public MissionWorldTest {
 protected:
  // A world of `casualties` held-back casualties after the medic.
  void Build(int32_t mission, int32_t level, int32_t casualties) {
    GoToMission(mission);
    ChooseDifficulty(level);
    WriteTable(MedicAndWounded(casualties), mission);
    SetCases({{1, 1, 0}, {2, 2, 0}, {3, 1, 0}, {4, 1, 0}, {5, 1, 0}, {7, 1, 0}, {8, 1, 0}});
    BuildMissionWorld(MissionFolder(mission), mission, Campaign().difficulty);
  }
  int32_t Waiting() const {
    int32_t n = 0;
    for (int32_t i = Units().firstPatientUnit; i < Units().unitCount; ++i) n += Units().units[i]->state == 1;
    return n;
  }
};

TEST_F(WakingTest, AnExpertInTheLastMissionMayHaveAllButOneWaiting) {
  Build(10, 2, 6);
  Units().units[2]->SetPosition(Vector3(75, 400, 75));  // the severity-2 case, moved off
  WakeCasualties();
  EXPECT_EQ(Waiting(), 5);
  EXPECT_EQ(Units().units[6]->state, 5);
  EXPECT_FLOAT_EQ(Units().units[2]->pos.x, -20.0f);  // he wakes at his own place
}

// ---- the camera's views ----

TEST(ViewPresets, HeightsFollowTheFactorInSinglePrecisionAndMissionFiveHasItsOwn) {
  // Factor 0.7f: 160 x 0.7f rounds to 112 in single precision (double: 111.99999...).
  EXPECT_EQ(PresetCameraHeight(0, 4), 512);
  EXPECT_EQ(PresetCameraHeight(1, 4), 449);
  EXPECT_EQ(PresetCameraHeight(2, 4), 480);
  EXPECT_EQ(PresetCameraHeight(0, 10), 544);  // 0.9f
  // Mission 5's factor of 1.5 would give 640: it keeps 560, 470, 515.
  EXPECT_EQ(PresetCameraHeight(0, 5), 560);
  EXPECT_EQ(PresetCameraHeight(1, 5), 470);
  EXPECT_EQ(PresetCameraHeight(2, 5), 515);
}

TEST_F(MissionWorldTest, TheViewsTakeTurnsAndTurnTheBattleDown) {
  GoToMission(4);
  SetViewPreset(2);
  CycleViewPreset();
  EXPECT_EQ(ViewPreset().viewPreset, 0);
  EXPECT_EQ(ViewPreset().cameraHeight, 512);
  EXPECT_EQ(Sounds().overheadEffectsOffset, 50);
  EXPECT_NEAR(Engine().engineCamera->GetDirection()->GetY(), -1.0f, 1e-5f);  // straight down
}

}  // namespace
}  // namespace kestrine
