// The generated mission folders, read back through the game's own readers: every mission's strategy table
// makes a playable battle, the spawn maps and patient locations tell the same battle, the terrain keeps
// the battlefield level under the level layouts, and the pictures have the sizes the overhead view cuts.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "battlefield/level_layouts.h"
#include "battlefield/level_objects.h"
#include "battlefield/patient_locations.h"
#include "battlefield/spawn_map.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_table.h"
#include "core/image_loader.h"
#include "generated_data.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "tools/assetgen/battlefield_generators.h"
#include "tools/assetgen/level_object_generators.h"
#include "tools/assetgen/mission_generators.h"

namespace kestrine {
namespace {

// The most casualties each mission has at any difficulty (the mission table's counts).
constexpr int kMostCasualties[13] = {5, 5, 5, 6, 6, 6, 6, 7, 7, 6, 3, 3, 3};

const testing::GeneratedData& Generated() {
  static const testing::GeneratedData data([](assetgen::DataTree& tree) {
    assetgen::WriteMissionTerrains(tree);
    assetgen::WriteMissionDataFiles(tree);
    assetgen::WriteOverheadImages(tree);
    // What the level layouts stand on the battlefield, to check the tables against.
    assetgen::WriteLevelTreeModels(tree);
    assetgen::WriteLevelBuildingModels(tree);
    assetgen::WriteVehicles(tree);
  });
  return data;
}

class MissionAssetsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  static std::string Read(const std::string& path) { return testing::ReadFile(path); }
  static engine::EngineRef<engine::EngineBitmap> Image(const std::string& path) {
    engine::EngineRef<engine::EngineBitmap> image = engine::DecodeImage(Read(path));
    EXPECT_TRUE(image) << path;
    return image;
  }

  testing::InFolder in_{Generated().Dir()};
};

// Unit slots the table's fighting units take, in table order after the medic's slot 0.
int FightingUnits(int32_t (&slotSide)[25]) {
  int slot = 1;
  for (int i = 0; i < StrategyTable().strategyCount; ++i) {
    const StrategyEntry& e = StrategyTable().strategy[i];
    if (e.type == STRATEGY_START && e.injury < 1 && e.side != PLAYER && slot < 25) slotSide[slot++] = e.side;
  }
  return slot - 1;
}

TEST_F(MissionAssetsTest, EveryStrategyTableMakesAPlayableBattle) {
  for (int mission = 1; mission <= 13; ++mission) {
    SCOPED_TRACE("mission " + std::to_string(mission));
    GoToMission(mission);
    ClearStrategy();
    ASSERT_TRUE(LoadStrategy());
    ASSERT_GE(StrategyTable().strategyCount, 1);
    ASSERT_LE(StrategyTable().strategyCount, 34);  // the editor keeps the last slot free

    int32_t slotSide[25] = {};
    const int fighting = FightingUnits(slotSide);
    // The medic, the fighters, every casualty and the evacuation helicopter fit the 25 unit slots.
    EXPECT_LE(1 + fighting + kMostCasualties[mission - 1] + 1, 25);
    int players = 0, casualties = 0, extractions = 0, evacuations = 0;
    for (int i = 0; i < StrategyTable().strategyCount; ++i) {
      const StrategyEntry& e = StrategyTable().strategy[i];
      EXPECT_LE(std::abs(e.pos.x), 80.0f);
      EXPECT_LE(std::abs(e.pos.z), 80.0f);
      EXPECT_NEAR(e.pos.y, 400.0f, 5.0f);
      EXPECT_TRUE(e.orders >= 0 && e.orders < kOrdersCount);
      EXPECT_TRUE(e.vehicle >= 0 && e.vehicle < 4) << i;  // the helicopter comes only for the evacuation
      players += e.type == STRATEGY_START && e.side == PLAYER;
      casualties += e.type == STRATEGY_START && e.injury > 0;
      extractions += e.type == STRATEGY_EXTRACTION;
      evacuations += e.type == STRATEGY_2EXTRACT;
      if (e.type == STRATEGY_START && e.injury > 0 && mission > 10) {
        EXPECT_LE(e.injury, 2) << i;
      }
      if (e.orders == ORDERS_ADVANCE || e.orders == ORDERS_ADVANCENDRAG) {
        ASSERT_LT(e.patrol, StrategyTable().strategyCount) << i;
        EXPECT_EQ(StrategyTable().strategy[e.patrol].type, STRATEGY_PATROL) << i;
      }
      if (e.orders == ORDERS_FOLLOW) {
        ASSERT_TRUE(e.patrol >= 1 && e.patrol <= fighting) << i;
        EXPECT_EQ(slotSide[e.patrol], e.side) << i;
      }
    }
    EXPECT_EQ(players, 1);
    EXPECT_GE(casualties, kMostCasualties[mission - 1]);
    EXPECT_EQ(extractions, 1);
    EXPECT_TRUE(evacuations >= 1 && evacuations <= 3);
    EXPECT_TRUE(SpawnPoints().spawnPointCount >= 1 && SpawnPoints().spawnPointCount <= 4);
  }
}

TEST_F(MissionAssetsTest, SpawnMapsAndPatientLocationsTellTheSameBattle) {
  for (int mission = 1; mission <= 13; ++mission) {
    SCOPED_TRACE("mission " + std::to_string(mission));
    GoToMission(mission);
    ASSERT_TRUE(LoadStrategy());
    ASSERT_TRUE(LoadPatientLocations());
    EXPECT_EQ(SpawnCasualtyPlaces(PatientLocations().patientLocations, true, kMostCasualties[mission - 1]).size(),
              static_cast<size_t>(kMostCasualties[mission - 1]));
    if (mission > 10) continue;

    const std::string map = Read("missions/mission" + std::to_string(mission) + "/spawnmap.raw");
    ASSERT_EQ(map.size(), kSpawnMapSize);
    const SpawnPlan plan = ParseSpawnMap(reinterpret_cast<const uint8_t*>(map.data()), map.size(), 2);
    int32_t slotSide[25] = {};
    EXPECT_EQ(static_cast<int>(plan.units.size()), FightingUnits(slotSide));
    EXPECT_TRUE(plan.medicOnMap);
    for (int i = 0; i < StrategyTable().strategyCount; ++i)
      if (StrategyTable().strategy[i].type == STRATEGY_START && StrategyTable().strategy[i].side == PLAYER) {
        EXPECT_FLOAT_EQ(plan.medic.position.x, std::trunc(StrategyTable().strategy[i].pos.x));
        EXPECT_FLOAT_EQ(plan.medic.position.z, std::trunc(StrategyTable().strategy[i].pos.z));
      }
  }
}

TEST_F(MissionAssetsTest, TheBattlefieldStaysLevelAndEachRimHasItsOwnRelief) {
  std::set<std::string> seen;
  for (int folder = 1; folder <= 10; ++folder) {
    SCOPED_TRACE("folder " + std::to_string(folder));
    const std::string bytes = Read("missions/mission" + std::to_string(folder) + "/terrhm.raw");
    ASSERT_EQ(bytes.size(), 400u);
    EXPECT_TRUE(seen.insert(bytes).second);
    auto at = [&](int c, int r) { return static_cast<int>(static_cast<uint8_t>(bytes[r * 20 + c])); };
    int rimHighest = 0;
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 20; ++c) {
        // Vertex (c, r) at x = -90.25 + 9.5 c, z = 90.25 - 9.5 r; rows and columns 1..18 lie within 81.
        const bool battlefield = r >= 1 && r <= 18 && c >= 1 && c <= 18;
        if (!battlefield) {
          rimHighest = std::max(rimHighest, at(c, r));
          continue;
        }
        // Byte 160 is world height 400, where the level layouts stand; 8 bytes are 1.25 units.
        const bool inner = r >= 2 && r <= 17 && c >= 2 && c <= 17;
        EXPECT_NEAR(at(c, r), 160, inner ? 8 : 20) << c << "," << r;
        // No sharp crest: the walking grid's sight lines between cell points 4 units apart and about 0.7
        // above the ground clear a bend of the ground of up to 0.5 in slope (30 bytes over 9.5 units).
        // (Rows and columns 0 and 19 lie beyond the last cells, at 90.25.)
        if (c >= 2 && c <= 17) {
          EXPECT_LE(std::abs(at(c - 1, r) - 2 * at(c, r) + at(c + 1, r)), 24) << c << "," << r;
        }
        if (r >= 2 && r <= 17) {
          EXPECT_LE(std::abs(at(c, r - 1) - 2 * at(c, r) + at(c, r + 1)), 24) << c << "," << r;
        }
      }
    EXPECT_GE(rimHighest, 200);
  }
}

TEST_F(MissionAssetsTest, NothingOfAStrategyTableStandsInsideALevelObject) {
  testing::HeadlessGame game;
  for (int slot = 0; slot < kLevelTextureCount; ++slot) UseLevelTexture(slot, Engine().engineRoot->CreateBitmap(128, 128));
  // A soldier's collision box, dropped from high above each point of the table onto the ground.
  engine::EngineRef<engine::EngineActor> probe = Engine().engineRoot->CreateActor();
  probe->SetBoundingBox(-0.8f, 0.8f, -0.7f, 0.7f, -0.8f, 0.8f, 0);
  for (int mission = 1; mission <= 10; ++mission) {
    SCOPED_TRACE("mission " + std::to_string(mission));
    DestroyLevelObjects();
    CreateLevelLayout(mission);
    ASSERT_GT(LevelObjectTable().objectCount, 0);
    for (int i = 0; i < LevelObjectTable().objectCount; ++i)
      if (LevelObjectTable().ohObjects[i].model) LevelObjectTable().ohObjects[i].model->SetCollisionMask(4, 0);
    GoToMission(mission);
    ASSERT_TRUE(LoadStrategy());
    for (int i = 0; i < StrategyTable().strategyCount; ++i) {
      const Vector3& p = StrategyTable().strategy[i].pos;
      probe->MoveTo(p.x, 480.0f, p.z);
      EXPECT_FALSE(probe->TestCollision(p.x, p.y - 2.0f, p.z, 0, 4, 3, 0, 0))
          << "entry " << i << " at " << p.x << ", " << p.z;
    }
  }
  DestroyLevelObjects();
  probe.Reset();
  for (int slot = 0; slot < kLevelTextureCount; ++slot) UseLevelTexture(slot, {});
}

TEST_F(MissionAssetsTest, PicturesHaveTheSizesTheOverheadViewCutsFrom) {
  const engine::Color red{255, 0, 0};
  for (int folder = 1; folder <= 10; ++folder) {
    const std::string dir = "missions/mission" + std::to_string(folder) + "/";
    auto wrap = Image(dir + "wrap.qjp");
    EXPECT_EQ(wrap->GetWidth(), 1024);  // 5.69 pixels a unit from -90
    EXPECT_EQ(wrap->GetHeight(), 1024);
    auto mini = Image(dir + "smallMap.qjp");
    EXPECT_EQ(mini->GetWidth(), 128);  // drawn from a 128 x 128 source at half size
    EXPECT_EQ(mini->GetHeight(), 128);
    auto brief = Image(dir + "briefmap.qjp");
    EXPECT_GE(brief->GetWidth(), 160);
    EXPECT_GE(brief->GetHeight(), 140);
    auto crater = Image(dir + "crater.qjp");
    EXPECT_GE(crater->GetWidth(), 254);
    EXPECT_GE(crater->GetHeight(), 246);
    EXPECT_EQ(crater->PixelColor(0, 0), red);
    EXPECT_NE(crater->PixelColor(127, 123), red);
  }
  auto strip = Image("images/overhead.qpg");
  ASSERT_GE(strip->GetWidth(), 640);
  ASSERT_GE(strip->GetHeight(), 125);
  EXPECT_EQ(strip->PixelColor(320, 10), red);   // the battlefield shows above the panel
  EXPECT_NE(strip->PixelColor(320, 110), red);  // the panel itself
  EXPECT_NE(strip->PixelColor(40, 20), red);    // the mini-map's corner
  auto timeUp = Image("images/time-up.qjp");
  EXPECT_EQ(timeUp->GetWidth(), 640);
  EXPECT_EQ(timeUp->GetHeight(), 480);
}

}  // namespace
}  // namespace kestrine
