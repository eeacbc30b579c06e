// Units on a headless stage: the action table, steering and walking (the battlefield's edge, the same
// ground covered whatever the frame length, the medic dragging), firing with each weapon's reach and
// wait, knock-down and death, the walk ending where a failed search left no way, and the unit array.
#include <gtest/gtest.h>

#include <cmath>

#include "battlefield/line_of_sight.h"
#include "battlefield/medic_drag.h"
#include "battlefield/spawn_points.h"
#include "battlefield/vehicle.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class UnitsTest : public testing::UnitTest {
 protected:
  // Starts a walk toward (x, z) without a path search of its own.
  static void WalkToward(Unit& u, float x, float z) {
    u.pathPending = 1;
    u.MoveToward(Vector3(x, kGroundHeight, z));
  }
  static void Run(Unit& u, int frames, int ms) {
    for (int i = 0; i < frames; ++i) u.Update(ms);
  }
  static float Facing(const Unit& u, float x, float z) {
    // A body faces away from its forward axis (the models look along -z).
    const Vector3 forward(u.body->GetDirection());
    return -(forward.x * x + forward.z * z);
  }
};

TEST_F(UnitsTest, EachActionPlaysItsAnimationWithItsWeaponAndSpeed) {
  struct Row {
    int32_t action, weapon;
    const wchar_t* animation;
    bool loop;
    float speed;
    bool pistolShown, rifleShown;
  };
  const Row rows[] = {
      {1, WEAPON_RIFLE, L"anim1", false, 0.65f, false, true},
      {1, WEAPON_PISTOL, L"anim7", false, 0.65f, true, false},
      {2, WEAPON_RIFLE, L"anim6", true, 0.65f, false, true},
      {5, WEAPON_RIFLE, L"anim10", false, 0.325f, false, true},
      {6, WEAPON_PISTOL, L"anim9", false, 0.325f, true, false},
      {8, WEAPON_RIFLE, L"anim4", true, 0.4875f, false, false},
  };
  Unit& u = Add(kUnitKindAlly, kSideAlly, 0, 0);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.animation);
    u.action = 0;
    u.weapon = row.weapon;
    u.SetAction(row.action);
    EXPECT_EQ(PlayingName(u), row.animation);
    EXPECT_EQ(Playing(u)->loop, row.loop);
    EXPECT_FLOAT_EQ(Playing(u)->speed, 1.3f);
    EXPECT_FLOAT_EQ(u.curSpeed, row.speed);
    EXPECT_EQ(u.pistol->Visible(), row.pistolShown);
    EXPECT_EQ(u.rifle->Visible(), row.rifleShown);
    EXPECT_EQ(u.action, row.action);
  }
}

TEST_F(UnitsTest, TheSameActionDoesNotRestartAndACasualtyAlwaysLies) {
  Unit& u = Add(kUnitKindAlly, kSideAlly, 0, 0);
  u.SetAction(ACTION_WALK);
  Engine().engineRoot->Wait(500);
  const float time = Playing(u)->time;
  ASSERT_GT(time, 0.0f);
  u.SetAction(ACTION_WALK);
  EXPECT_FLOAT_EQ(Playing(u)->time, time);
  // Actions 1 and 4 share their animation: letting go of the previous one must not stop the stance.
  u.SetAction(1);
  u.SetAction(4);
  u.arrived = true;  // standing on the ground: the frame only lets go of the previous animation
  u.moveFlags = kMoveOnGround;
  u.Update(1000);
  EXPECT_EQ(PlayingName(u), L"anim1");

  Unit& casualty = Add(kUnitKindAlly, kSideAlly, 10, 0, 1);
  casualty.SetAction(ACTION_WALK);
  EXPECT_EQ(PlayingName(casualty), L"anim13");
  EXPECT_FALSE(Playing(casualty)->loop);
  EXPECT_FLOAT_EQ(Playing(casualty)->speed, 0.2f);
  // Started at its end (2.3 s long): lying from the first frame.
  EXPECT_FLOAT_EQ(Playing(casualty)->time, 2.3f);
}

TEST_F(UnitsTest, OnlyFifteenNamesAreKeptAndABodyWithTooFewStillActs) {
  Unit& full = Add(kUnitKindAlly, kSideAlly, 0, 0);
  EXPECT_EQ(full.animCount, 15);
  EXPECT_EQ(full.animNames[14], L"anim14");

  WriteBodies(10);
  Unit& few = Add(kUnitKindAlly, kSideAlly, 10, 0);
  EXPECT_EQ(few.animCount, 10);
  few.SetAction(ACTION_DOWN);  // animation 13 is missing: the stance stays, nothing fails
  EXPECT_EQ(few.action, ACTION_DOWN);
  EXPECT_EQ(PlayingName(few), L"anim1");
}

TEST_F(UnitsTest, SteeringKeepsToTheBattlefieldAndIgnoresNearPoints) {
  Unit& u = Add(kUnitKindAlly, kSideAlly, 70, 0);
  WalkToward(u, 95, 0);
  EXPECT_FLOAT_EQ(u.target.x, 80.0f);
  EXPECT_FALSE(u.arrived);
  EXPECT_NEAR(Facing(u, 1, 0), 1.0f, 1e-4f);
  Run(u, 40, 100);
  EXPECT_TRUE(u.arrived);
  EXPECT_GT(u.pos.x, 79.0f);
  EXPECT_LE(u.pos.x, 80.0f);

  // Nearer than 0.4: not steered to.
  const Vector3 velocity = u.vel;
  u.MoveToward(Vector3(u.pos.x - 0.3f, kGroundHeight, u.pos.z));
  EXPECT_TRUE(u.arrived);
  EXPECT_FLOAT_EQ(u.vel.x, velocity.x);
}

TEST_F(UnitsTest, AWalkersPaceIsTenTimesHisSpeedInUnitsASecondAtThirtyOrSixtyFrames) {
  // A second of frames as a display gives them: 30 a second as 20 of 33 ms and 10 of 34, 60 a second as
  // 20 of 16 ms and 40 of 17. By hand, a 100 ms frame's step is min(1, speed), so a second covers
  // 10 x min(speed, 1) units however it is cut up.
  struct Row {
    float speed;
    int fps;
    float unitsPerSecond;
  };
  const Row rows[] = {
      {0.65f, 30, 6.5f}, {0.65f, 60, 6.5f},  // a soldier
      {0.9f, 30, 9.0f},  {0.9f, 60, 9.0f},   // a light medic
      {1.3f, 30, 10.0f}, {1.3f, 60, 10.0f},  // a vehicle at double speed, held to a unit a 100 ms
      {0.1f, 60, 1.0f},
  };
  float z = -60.0f;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.speed * 1000 + row.fps);
    Unit& u = Add(kUnitKindAlly, kSideAlly, -40, z);
    u.baseSpeed = row.speed;
    u.curSpeed = row.speed;
    u.action = 0;
    WalkToward(u, 40, z);
    if (row.fps == 30) {
      Run(u, 20, 33);
      Run(u, 10, 34);
    } else {
      Run(u, 20, 16);
      Run(u, 40, 17);
    }
    EXPECT_NEAR(u.pos.x + 40.0f, row.unitsPerSecond, 0.01f);
    EXPECT_NEAR(u.pos.z, z, 1e-3f);
    // His plate goes with him, above the ground he walks on where the camera can see it.
    const engine::Vec3 plate = u.marker->GetPosition()->Value();
    EXPECT_NEAR(plate.x, u.pos.x, 1e-3f);
    EXPECT_GT(plate.y, kGroundHeight);
    z += 15.0f;
  }
}

TEST_F(UnitsTest, TheDraggingMedicWalksBackwardsAtThreeQuartersOfHisSpeed) {
  Unit& medic = Add(kUnitKindMedic, kSidePlayer, -40, 0);
  // As the drag starts: the flag and the dragging pose.
  StartDrag(MedicDrag().draggedUnit);
  medic.SetAction(ACTION_DRAG);
  WalkToward(medic, 40, 0);
  EXPECT_NEAR(Facing(medic, 1, 0), -1.0f, 1e-4f);
  Run(medic, 20, 50);
  EXPECT_EQ(medic.action, ACTION_DRAG);
  EXPECT_NEAR(medic.pos.x + 40.0f, 4.875f, 0.01f);  // 1000 ms at 0.75 x 0.65 per 100 ms
}

TEST_F(UnitsTest, ShotsReachNoFartherThanTheirWeaponAndWaitTheirTurn) {
  struct Row {
    int32_t mode;
    float reach;
    int32_t wait;
  };
  Unit& u = Add(kUnitKindAlly, kSideAlly, -50, 0);
  for (const Row& row : {Row{FIRE_PISTOL, 35.0f, 500}, Row{FIRE_RIFLE, 70.0f, 200}, Row{FIRE_GRENADE, 30.0f, 3000}}) {
    SCOPED_TRACE(row.mode);
    const Vector3 impact = u.Fire(Vector3(u.pos.x + 100.0f, u.pos.y, 0), row.mode);
    EXPECT_TRUE(u.firing);
    EXPECT_NEAR(Facing(u, 1, 0), 1.0f, 1e-4f);
    EXPECT_NEAR(Vector3(u.marker->GetDirection()).y, 1.0f, 1e-4f);  // the plate still lies flat
    EXPECT_NEAR(impact.x - u.pos.x, row.reach, 1e-3f);
    EXPECT_NEAR(impact.z, 0.0f, 1e-3f);
    EXPECT_EQ(u.nextShotTime, Clock().gameClock + row.wait);
    // Too early: nothing.
    SetGameClock(Clock().gameClock + row.wait - 1);
    const Vector3 early = u.Fire(Vector3(u.pos.x + 10.0f, u.pos.y, 0), row.mode);
    EXPECT_EQ(early.x, 0.0f);
    EXPECT_EQ(early.z, 0.0f);
    SetGameClock(Clock().gameClock + 1);
  }
  // The pulled-in point is what the streak and the grenade fly to.
  EXPECT_NEAR(u.tracer.target.x - u.pos.x, 70.0f, 1e-3f);
  EXPECT_NEAR(u.projectile.target.x - u.pos.x, 30.0f, 1e-3f);
  EXPECT_FALSE(u.projectile.idle);
  const Vector3 stop = u.Fire(Vector3(0, 0, 0), FIRE_STOP);
  EXPECT_FALSE(u.firing);
  EXPECT_EQ(stop.x, 0.0f);
}

TEST_F(UnitsTest, AWallStopsTheShotAndTheLineOfSight) {
  auto wall = Engine().engineRoot->CreateObject();
  wall->AttachShape(Engine().engineRoot->CreateBox(2, 20, 20, 0));
  wall->MoveTo(0, kGroundHeight, 0);
  wall->SetCollisionMask(4, 0);
  Engine().engineStage->AddObject(wall);
  Unit& u = Add(kUnitKindAlly, kSideAlly, -20, 0);
  const Vector3 impact = u.Fire(Vector3(20, u.pos.y, 0), FIRE_RIFLE);
  EXPECT_LT(impact.x, -1.0f);
  EXPECT_GT(impact.x, -3.0f);

  Vector3 to(20, kGroundHeight + 2, 0);
  EXPECT_EQ(LineOfSight(Vector3(-20, kGroundHeight + 2, 0), to, 5), 0);
  EXPECT_LT(to.x, -1.0f);
  Vector3 clear(-20, kGroundHeight + 2, 30);
  EXPECT_EQ(LineOfSight(Vector3(20, kGroundHeight + 2, 30), clear, 5), 1);
  EXPECT_EQ(clear.x, -20.0f);
  // One probe for the mission, gone with it.
  EXPECT_TRUE(Engine().engineStage->Contains(SightProbe().probe.Get()));
  ReleaseSightProbe();
  EXPECT_FALSE(SightProbe().ready);
}

TEST_F(UnitsTest, KilledAndKnockedDownUnits) {
  SetGameClock(1234);
  Unit& enemy = Add(kUnitKindEnemy, kSideEnemy, 10, 10);
  enemy.Kill();
  EXPECT_EQ(enemy.health, -10);
  EXPECT_TRUE(enemy.down && enemy.arrived);
  EXPECT_EQ(enemy.downTime, 6234);
  EXPECT_EQ(enemy.action, ACTION_DOWN);
  EXPECT_FALSE(enemy.marker->Visible());

  // Without spawn points a knocked-down enemy stays where he is; with them he goes to one.
  enemy.Relocate();
  EXPECT_FLOAT_EQ(enemy.pos.x, 10.0f);
  ClearSpawnPoints();
  AddSpawnPoint(Vector3(-30, kGroundHeight + 3, 60));
  AddSpawnPoint(Vector3(-30, kGroundHeight + 3, 60));
  enemy.Relocate();
  EXPECT_FLOAT_EQ(enemy.pos.x, -30.0f);
  EXPECT_FLOAT_EQ(enemy.pos.z, 60.0f);
  EXPECT_NEAR(enemy.pos.y, kGroundHeight + 0.7f, 0.01f);  // on the ground
  EXPECT_FALSE(enemy.body->Visible());
}

TEST_F(UnitsTest, AWalkEndsWhereAFailedSearchLeftNoWay) {
  NavCells grid;
  CopyNavGrid(grid);
  for (int r = 0; r < kNavGridSize; ++r) testing::BlockCell(grid, 20, r);
  SetNavGrid(grid);
  Unit& u = Add(kUnitKindAlly, kSideAlly, -60, 0);
  EXPECT_FALSE(u.FindPath(Vector3(40, kGroundHeight, 0)));
  const CellIndex nudged = u.cell;
  EXPECT_EQ(nudged, (CellIndex{6, 21}));
  EXPECT_FALSE(u.StepAlongPath());
  EXPECT_EQ(u.cell, nudged);
  EXPECT_TRUE(u.arrived);
  EXPECT_EQ(u.actionState, kActionStateReset);

  // A way that exists is walked one cell at a time, each to its centre.
  EXPECT_TRUE(u.FindPath(Vector3(-40, kGroundHeight, 0)));
  EXPECT_EQ(u.cell, (CellIndex{6, 20}));
  EXPECT_TRUE(u.StepAlongPath());
  EXPECT_EQ(u.prevCell, (CellIndex{6, 20}));
  EXPECT_EQ(u.cell, (CellIndex{7, 20}));
  EXPECT_FLOAT_EQ(u.target.x, -52.0f);
}

TEST_F(UnitsTest, APickedPointOffTheBattlefieldIsWalkedToAtItsEdge) {
  Unit& u = Add(kUnitKindMedic, kSidePlayer, 0, 0);
  u.MoveToPick(engine::MakeEngine<engine::EngineHit>(nullptr, engine::Vec3(120, kGroundHeight, -130), engine::Vec3()));
  EXPECT_EQ(u.targetCell, (CellIndex{40, 0}));
  EXPECT_EQ(u.pathPending, 1);
}

TEST_F(UnitsTest, TheUnitArrayAnswersForEverySlot) {
  Unit& first = Add(kUnitKindMedic, kSidePlayer, 0, 0);
  SetUnitCount(3);  // slot 1 empty, slot 2 unused
  EmptyUnitSlot(2);
  EXPECT_EQ(UnitStateAt(-1), 10);
  EXPECT_EQ(UnitStateAt(3), 10);
  EXPECT_EQ(UnitStateAt(1), 10);
  WalkToward(first, 20, 0);
  first.Update(16);
  EXPECT_EQ(UnitStateAt(0), 0);
  first.ResetAction();
  EXPECT_EQ(UnitStateAt(0), 10);

  EXPECT_FLOAT_EQ(first.AxisDistanceWithin(Vector3(3, 0, -4), 5.0f), 4.0f);
  EXPECT_FLOAT_EQ(first.AxisDistanceWithin(Vector3(3, 0, 6), 5.0f), 5.0f);

  SetUnitCount(kUnitSlotCount - 1);
  EXPECT_FALSE(HasFreeUnitSlot(false));
  EXPECT_TRUE(HasFreeUnitSlot(true));
}

TEST_F(UnitsTest, VehiclesKeepTheirModelsScaleAndFallSilentWhenDown) {
  Vehicle& truck = *new Vehicle(Engine().engineRoot, Engine().engineStage, kUnitKindEnemy);
  AddUnit(std::unique_ptr<Unit>(&truck));
  EXPECT_EQ(truck.vehicleKind, TRUCK);
  truck.vehicleKind = HUMMER;
  truck.Place(Vector3(0, kGroundHeight + 3, 0), kSideEnemy, 0, 0);
  truck.SetScale(2.0f);
  EXPECT_FLOAT_EQ(truck.body->Scale().x, 0.3f);  // its own 0.15, doubled
  EXPECT_FLOAT_EQ(truck.marker->Scale().x, 4.0f);
  truck.SetAction(ACTION_WALK);
  EXPECT_EQ(truck.action, ACTION_WALK);
  EXPECT_EQ(truck.previousAnimation, -1);
  truck.down = true;
  truck.SetAction(ACTION_STAND);
  EXPECT_EQ(truck.action, ACTION_WALK);

  Unit& soldier = Add(kUnitKindAlly, kSideAlly, 20, 0);
  soldier.SetScale(1.1f);
  EXPECT_FLOAT_EQ(soldier.body->Scale().x, 0.77f);
  // Placed again, a unit's old models leave the stage.
  const size_t onStage = Engine().engineStage->Objects().size();
  soldier.Place(Vector3(20, kGroundHeight + 3, 0), kSideAlly, 0, 1);
  EXPECT_EQ(Engine().engineStage->Objects().size(), onStage);
}

}  // namespace
}  // namespace kestrine
