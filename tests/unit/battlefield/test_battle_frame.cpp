// One frame of the battle at a time, on a small battlefield of the test's making: the casualty nearest the
// medic, the markers, deliveries, the mission's end by time and by evacuation, the landing point and the
// helicopter, respawns, the walk along a path, the units' turns and the camera.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "battlefield/battle_state.h"
#include "battlefield/developer_switches.h"
#include "battlefield/extraction.h"
#include "battlefield/mission_frame.h"
#include "battlefield/mission_state.h"
#include "battlefield/spawn_points.h"
#include "battlefield/strategy_table.h"
#include "battlefield/terrain_images.h"
#include "battlefield/view_preset.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/random.h"
#include "strategy_fixture.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class BattleFrameTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    UseFullScreenOverlay(Engine().engineRoot->CreateBitmap(640, 480));
    UseExtractionMarker(Engine().engineRoot->CreateBitmap(32, 32));
    Assets().extractionMarkerImage->Clear(0, 0, 200);
    KeepWrapImage(Engine().engineRoot->CreateBitmap(1024, 1024));
    missionState.smallMapImage = Engine().engineRoot->CreateBitmap(64, 64);
    StoreGameStateWithoutEntry(STATE_OVERHEAD);
    SetGameClock(50000);
    SetFrameTime(100);
    SetMissionClock(1000000);
    Add(kUnitKindMedic, kSidePlayer, 0, 0);
  }
  Unit& Casualty(float x, float z, int32_t state) {
    if (Units().firstPatientUnit == 0) SetFirstPatientUnit(Units().unitCount);
    return Add(kUnitKindAlly, kSideAlly, x, z, state);
  }
  static void Candidate(int32_t i, int32_t type, float x, float z) {
    EditStrategyEntry(i, [&](StrategyEntry& edited) { edited.type = type; });
    EditStrategyEntry(i, [&](StrategyEntry& edited) { edited.pos = Vector3(x, kGroundHeight, z); });
  }
  static engine::Color FaceColour(const Unit& unit) { return unit.markerMesh->FindFace(L"front")->color; }
};

TEST_F(BattleFrameTest, TheNearestCasualtyIsMeasuredAfreshEachFrameAndHisMarkerPulses) {
  Casualty(-30, 30, 5);  // held back: not a patient yet
  MissionFrame(100, true);
  EXPECT_EQ(Battle().nearestPatientDistance, 999.0);

  Unit& near = Casualty(10, 5, 1);
  near.severity = 2;
  Unit& far = Casualty(20, 20, 3);
  MissionFrame(100, true);
  EXPECT_EQ(Battle().nearestPatientUnit, 2);
  // |dx| + |dy| + |dz|: a casualty lies a little higher than a man stands.
  EXPECT_NEAR(Battle().nearestPatientDistance, 15.0 + std::fabs(near.pos.y - Units().units[0]->pos.y), 0.01);
  EXPECT_GT(Battle().nearestPatientDistance, 15.1);
  EXPECT_EQ(FaceColour(far), (engine::Color{255, 255, 0}));

  // 20 a frame of 100 ms, down from 255 to 128, then up again.
  const double expected[] = {215, 195, 175, 155, 135, 128, 148};
  for (double pulse : expected) {
    MissionFrame(100, true);
    EXPECT_EQ(near.pulse, pulse);
  }
  EXPECT_EQ(FaceColour(near), (engine::Color{255, 98, 0}));  // serious: orange, v - 50
  near.severity = 3;                                         // the special casualty shows as serious too
  MissionFrame(100, true);
  EXPECT_EQ(FaceColour(near), (engine::Color{255, 118, 0}));
}

TEST_F(BattleFrameTest, AReadiedCasualtyIsDeliveredWithinElevenOfTheLandingPointBeforeTheCall) {
  SetEvacuationPoint(Vector3(30, kGroundHeight, 30));
  Unit& outside = Casualty(38, 38, 2);  // 11.3 away
  Unit& inside = Casualty(37, 37, 2);   // 9.9 away
  Casualty(-30, -30, 1);                // someone still waits: no call yet
  MissionFrame(100, true);
  EXPECT_FALSE(Battle().extractionStarted);
  EXPECT_EQ(outside.state, 2);
  EXPECT_EQ(inside.state, 3);
  EXPECT_EQ(FaceColour(inside), (engine::Color{255, 255, 0}));
}

TEST_F(BattleFrameTest, WithEveryCasualtyReturnedToActionTheMissionEndsInTheFrameOfTheCall) {
  Candidate(0, STRATEGY_EXTRACTION, 10, 10);
  missionState.extractionWarnTime = 40000;
  Casualty(-20, 0, 0);  // back in action
  MissionFrame(100, true);
  EXPECT_TRUE(Battle().extractionStarted);
  EXPECT_EQ(Outcome().missionEndFlag, 1);
}

TEST_F(BattleFrameTest, TimeOutWithSomeoneHeldBackIsFlagTwoWhoeverStandsAtTheLandingPoint) {
  SetEvacuationPoint(Vector3(30, kGroundHeight, 30));
  StartExtraction();
  SetMissionClock(-1);
  Unit& there = Casualty(40, 25, 2);  // 11.2 away: not delivered by the frame, but within 13 on both axes
  Casualty(-40, -40, 5);
  MissionFrame(100, true);
  EXPECT_EQ(Outcome().missionEndFlag, 2);
  EXPECT_EQ(Outcome().extractionBonus, 0);
  EXPECT_EQ(there.state, 3);  // counted once more after the time-up picture
}

TEST_F(BattleFrameTest, TheLandingPointIsOneOfTheCandidatesInTurnElseTheCollectionPointElseTheLastOne) {
  Candidate(3, STRATEGY_2EXTRACT, 20, 30);
  Candidate(9, STRATEGY_2EXTRACT, -20, -30);
  for (const auto& [k, x] : {std::pair{0, 20.0f}, {1, -20.0f}, {2, 20.0f}}) {
    ClearExtractionChoice();
    srand(testing::SeedWhere(3, [k](int32_t draw) { return draw == k; }));
    ChooseExtractionPoint();
    EXPECT_EQ(Battle().evacuationPoint.x, x) << "k = " << k;
  }
  Candidate(9, STRATEGY_2EXTRACT, -50, -50);
  ChooseExtractionPoint();  // chosen already in this mission
  EXPECT_EQ(Battle().evacuationPoint.x, 20.0f);
  // Marked on the ground (76 x 76 about (110 x 5.69, 60 x 5.69)) and on the mini-map (4 x 4 in blue).
  EXPECT_EQ(TerrainImages().wrapImage->PixelColor(625, 341), (engine::Color{0, 0, 200}));
  EXPECT_EQ(TerrainImages().wrapImage->PixelColor(625 + 40, 341), (engine::Color{0, 0, 0}));
  EXPECT_EQ(missionState.smallMapImage->PixelColor(38, 20), (engine::Color{10, 10, 250}));

  ClearStrategy();
  ClearExtractionChoice();
  Candidate(20, STRATEGY_EXTRACTION, 5, 6);
  Candidate(21, STRATEGY_EXTRACTION, 7, 8);
  ChooseExtractionPoint();
  EXPECT_EQ(Battle().evacuationPoint.z, 6.0f);
  EditStrategyEntry(20, [](StrategyEntry& edited) { edited.Reset(); });
  EditStrategyEntry(21, [](StrategyEntry& edited) { edited.Reset(); });
  ChooseExtractionPoint();
  EXPECT_EQ(Battle().evacuationPoint.z, 6.0f);
}

TEST_F(BattleFrameTest, CasualtiesWithinThirteenOnBothAxesAreDeliveredAndAFullArrayHasNoHelicopter) {
  SetEvacuationPoint(Vector3(0, kGroundHeight, 40));
  Unit& a = Casualty(12.9f, 52.9f, 1);
  Unit& b = Casualty(13.0f, 40, 2);
  Unit& c = Casualty(0, 27.5f, 2);
  EXPECT_EQ(FlagUnitsAtExtraction(), 2);
  EXPECT_EQ(a.state, 3);
  EXPECT_EQ(b.state, 2);
  EXPECT_EQ(b.atExtraction, 0);
  EXPECT_EQ(c.atExtraction, 1);

  GoToMission(5);
  CreateEvacHelicopter();
  ASSERT_EQ(Units().unitCount, 5);
  EXPECT_EQ(Units().units[4]->home.z, 40.0f);
  EXPECT_NEAR(Units().units[4]->baseSpeed, 1.3f, 1e-6f);

  while (Units().unitCount < kUnitSlotCount) Add(kUnitKindAlly, kSideAlly, 60, 60);
  CreateEvacHelicopter();
  EXPECT_EQ(Units().unitCount, kUnitSlotCount);
}

TEST_F(BattleFrameTest, ARespawnedUnitReturnsAtASpawnPointAndAWalkWithNoWayOnEnds) {
  ClearSpawnPoints();
  for (int i = 0; i < 3; ++i) AddSpawnPoint(Vector3(-60.0f + 60.0f * i, kGroundHeight, 70));
  Unit& enemy = Add(kUnitKindEnemy, kSideEnemy, 10, 10);
  enemy.Kill();
  enemy.respawnTime = 150;
  MissionFrame(100, true);
  EXPECT_TRUE(enemy.down);
  srand(21);
  const float x = -60.0f + 60.0f * static_cast<float>(rand() % 3);
  srand(21);
  SetGameClock(0);  // before his down time: no move off in between
  MissionFrame(100, true);
  EXPECT_FALSE(enemy.down);
  EXPECT_EQ(enemy.health, 10);
  EXPECT_EQ(enemy.respawnTime, 0);
  EXPECT_NEAR(enemy.pos.x, x, 0.5f);  // and walks on to his cell's centre

  // A failed search left no way on from his cell: the walk ends where he stands, inside the grid.
  Unit& lost = Add(kUnitKindAlly, kSideAlly, -40, -40);
  lost.orders = ORDERS_NONMOVING;
  lost.moveFlags = kMoveOnGround;
  lost.pathPending = 1;
  lost.cell = CellAt(lost.pos);
  lost.targetCell = CellIndex{30, 30};
  lost.arrived = true;
  MissionFrame(100, true);
  EXPECT_EQ(lost.targetCell, lost.cell);
  EXPECT_EQ(lost.actionState, kActionStateReset);
}

TEST_F(BattleFrameTest, UnitsTakeTurnsAWaitingCasualtyTakesNoneAndAThrowHoldsItsThrower) {
  Unit& soldier = Add(kUnitKindAlly, kSideAlly, 30, 30);
  soldier.orders = ORDERS_DEFEND;
  soldier.home = Vector3(-30, kGroundHeight, -30);
  soldier.moveFlags = kMoveOnGround;  // standing, with a path: he waits for his turn
  soldier.pathPending = 1;
  soldier.arrived = true;
  Unit& lying = Casualty(-30, 30, 1);
  lying.orders = ORDERS_DEFEND;
  lying.home = soldier.home;
  SetOrderCursor(1);
  MissionFrame(100, true);  // the casualty's turn
  EXPECT_EQ(lying.nextShotTime, 0);
  MissionFrame(100, true);  // back round to the soldier
  EXPECT_EQ(soldier.nextShotTime, Clock().gameClock + 1800);

  soldier.firing = true;
  soldier.weapon = WEAPON_GRENADE;
  soldier.respawnTime = 1000;
  MissionFrame(100, true);
  EXPECT_FALSE(soldier.firing);
  EXPECT_EQ(soldier.respawnTime, 1000);  // held for the frame
  soldier.firing = true;
  soldier.weapon = WEAPON_RIFLE;
  MissionFrame(100, true);
  EXPECT_EQ(soldier.respawnTime, 900);
}

TEST_F(BattleFrameTest, ASupportCallBringsAlliesToTheMedicUntilItRunsOut) {
  Unit& ally = Add(kUnitKindAlly, kSideAlly, 50, 50);
  StartSupportCall(150);
  MissionFrame(100, true);
  EXPECT_EQ(ally.health, 11);
  EXPECT_LE(std::abs(ally.home.x), 5.0f);
  MissionFrame(100, true);
  EXPECT_FALSE(Battle().supportActive);
  EXPECT_EQ(Battle().supportTimer, 0);
  MissionFrame(100, true);
  EXPECT_EQ(ally.health, 10);
}

TEST_F(BattleFrameTest, TheCameraFollowsTheMedicInsideTheViewsLimits) {
  Units().units[0]->SetPosition(70, kGroundHeight, -70);
  // Mission 5 has heights of its own: 470 in view 1, 560 in view 0.
  GoToMission(5);
  for (const auto& [preset, limitX, height, z] :
       {std::tuple{1, 46, 470.0f, -83.0f}, std::tuple{0, 8, 560.0f, -48.0f}}) {
    SetViewPreset(preset);
    ApplyViewPreset();
    MissionFrame(100, true);
    const engine::EngineRef<engine::EngineVector> at = Engine().engineCamera->GetPosition();
    EXPECT_EQ(at->GetX(), static_cast<float>(limitX));
    EXPECT_EQ(at->GetY(), height);
    EXPECT_EQ(at->GetZ(), z);
  }
  // Under the patient view the camera stays.
  Units().units[0]->SetPosition(0, kGroundHeight, 0);
  MissionFrame(100, false);
  EXPECT_EQ(Engine().engineCamera->GetPosition()->GetX(), 8.0f);
}

}  // namespace
}  // namespace kestrine
