// Grenades played through the whole program on the generated data, on a small battlefield built as a mission
// builds one: flat ground at 400 wearing its wrap, an open walking grid, spawn points and units. The test
// runs each battle frame's share of the work (shake, flights, explosion) itself.
#include <gtest/gtest.h>

#include <vector>

#include "battlefield/camera_shake.h"
#include "battlefield/developer_switches.h"
#include "battlefield/spawn_points.h"
#include "battlefield/terrain_images.h"
#include "battlefield/unit_array.h"
#include "harness.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/explosion.h"
#include "shell/game_state.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/sound_table.h"
#include "unit/battlefield/nav_grid_fixture.h"

namespace kestrine::scenario {
namespace {

constexpr float kGround = 400.0f;
constexpr int kCrater[3] = {45, 35, 25};

void BuildBattlefield() {
  // Heights 160 of 256 over -25..15 lie at 0; the object is moved to 400.
  auto grid = Engine().engineRoot->CreateGrid(20, 20, 9.5f, 9.5f, -90.25f, 90.25f, 1);
  grid->SetOptionPair(-25, 15);
  for (int i = 0; i < 400; ++i) grid->SetVertexHeight(i % 20, i / 20, 160, 0);
  KeepWrapImage(Engine().engineRoot->CreateBitmap(1024, 1024));
  TerrainImages().wrapImage->Clear(60, 100, 40);
  grid->SetFaceBitmap(L"front", TerrainImages().wrapImage, 0);
  auto terrain = Engine().engineRoot->CreateObject();
  terrain->AttachShape(grid);
  terrain->SetOptionValue(engine::EngineNode::kOptionGround);
  terrain->MoveTo(0, kGround, 0);
  Engine().engineStage->AddObject(terrain);
  // A dark square on red, the see-through colour.
  KeepCraterImage(Engine().engineRoot->CreateBitmap(254, 246));
  TerrainImages().craterImage->Clear(255, 0, 0);
  TerrainImages().craterImage->SetDrawColor(kCrater[0], kCrater[1], kCrater[2]);
  TerrainImages().craterImage->FillRect(27, 23, 200, 200);
  TerrainImages().craterImage->SetColorKey(255, 0, 0);
  NavCells openGrid;
  testing::OpenNavGrid(openGrid, kGround);
  SetNavGrid(openGrid);
  ClearSpawnPoints();
  for (int i = 0; i < 3; ++i) AddSpawnPoint(Vector3(-60.0f + 60.0f * i, kGround + 3, 70));
}

Unit& Place(int32_t kind, int32_t side, float x, float z) {
  const int slot = Units().unitCount;
  CountNewUnit();
  PutUnit(slot, std::make_unique<Unit>(Engine().engineRoot, Engine().engineStage, kind));
  Units().units[slot]->Place(Vector3(x, kGround + 3, z), side, 0, slot);
  Units().units[slot]->Update(0);
  return *Units().units[slot];
}

// One frame of the battle's work for the shake, flying grenades and the explosion; the medic's death
// ends it.
void BattleFrame() {
  if (Shake().shakeTimer > 0) CameraShake(70, true);
  for (int i = 0; i < Units().unitCount && Units().units[0] && States().gameState != STATE_KIA; ++i)
    if (Units().units[i] && !Units().units[i]->projectile.idle)
      Units().units[i]->projectile.UpdateProjectiles(static_cast<float>(70 / 700.0));
  AdvanceExplosionFrame();
}

// A fresh program seeded with `seed`: the medic throws into a squad of three 20 ahead of him (one more 11
// beyond them, one far off), then, invulnerable, drops one at his own feet. What a rerun must repeat.
std::vector<float> PlayGrenades(uint32_t seed) {
  ResetProgramState();
  HarnessOptions options;
  options.seed = seed;
  Harness game(options);
  EXPECT_TRUE(game.RunUntilState(STATE_DISCLAIMER));
  LoadAllAssets();
  SetGameState(STATE_OVERHEAD);
  BuildBattlefield();
  Unit& medic = Place(kUnitKindMedic, kSidePlayer, 0, -20);
  for (const auto& [x, z] : {std::pair{1.0f, 1.0f}, {-3.0f, 2.0f}, {2.0f, -3.0f}, {0.0f, 11.0f}, {40.0f, 40.0f}})
    Place(kUnitKindEnemy, kSideEnemy, x, z);
  const float view = Engine().engineCamera->GetDirection()->GetY();
  medic.Fire(Vector3(0, kGround, 0), FIRE_GRENADE);

  std::vector<float> trace;
  for (int frame = 1; frame <= 40; ++frame) {
    BattleFrame();
    trace.push_back(Engine().engineCamera->GetDirection()->GetY());
    // The fuse ends after 2.1 time units, 70 ms a tenth: the explosion, its sound, the shake.
    EXPECT_EQ(medic.projectile.idle, frame >= 21);
    if (frame != 21) continue;
    EXPECT_TRUE(Explosion().explosionSprite->visible && Sounds().soundTable[SOUND_GRENADE_BLAST]->IsPlaying());
    EXPECT_EQ(Shake().shakeTimer, 700);
  }
  EXPECT_NE(trace[21], trace[20]);      // shaken
  EXPECT_FLOAT_EQ(trace.back(), view);  // and given back
  EXPECT_FALSE(Explosion().explosionSprite->visible);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(Units().units[i]->down);
    EXPECT_EQ(Units().units[i]->respawnTime, 11500);  // knocked out (novice), waiting at a spawn point
    EXPECT_EQ(Units().units[i]->pos.z, 70.0f);
  }
  EXPECT_FALSE(Units().units[4]->down);  // scattered
  EXPECT_EQ(Units().units[4]->respawnTime, 15500);
  EXPECT_EQ(Units().units[5]->respawnTime, 0);
  for (int i = 1; i < Units().unitCount; ++i)
    trace.insert(trace.end(), {Units().units[i]->pos.x, Units().units[i]->pos.z});
  // It came down on x = 0 between z = -1 and 0: the crater's corner at (496, 496 .. 501).
  const int crater = CountPixels(TerrainImages().wrapImage, 0, 0, 1024, 1024, kCrater[0], kCrater[1], kCrater[2]);
  EXPECT_GT(crater, 20 * 20);
  EXPECT_EQ(CountPixels(TerrainImages().wrapImage, 496, 496, 32, 37, kCrater[0], kCrater[1], kCrater[2]), crater);

  SetInvulnerable(true);
  medic.projectile.LaunchProjectile(medic.pos, medic.pos + Vector3(3, 0, 0), 0);
  for (int frame = 1; frame <= 20; ++frame) BattleFrame();
  EXPECT_EQ(States().gameState, STATE_OVERHEAD);
  BattleFrame();
  EXPECT_EQ(States().gameState, STATE_KIA);
  EXPECT_TRUE(medic.down);

  trace.push_back(static_cast<float>(RandomState() % 65536));
  DeleteAllUnits();
  ResetProgramState();
  game.Close();
  return trace;
}

TEST(GrenadeScenario, GrenadesKnockOutASquadLeaveACraterShakeTheCameraAndKillTheMedicTheSameWayEachRun) {
  const std::vector<float> first = PlayGrenades(77);
  EXPECT_EQ(PlayGrenades(77), first);
}

}  // namespace
}  // namespace kestrine::scenario
