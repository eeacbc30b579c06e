// Grenades and shot streaks in flight, the blast's distances and the camera's shake.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "battlefield/blast.h"
#include "battlefield/camera_shake.h"
#include "battlefield/spawn_points.h"
#include "battlefield/vehicle.h"
#include "shell/engine_setup.h"
#include "shell/mission_progress.h"
#include "shell/random.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class ProjectilesTest : public testing::UnitTest {
 protected:
  // The medic far from everything, so only what a test places nearer counts.
  void SetUp() override {
    UnitTest::SetUp();
    Add(kUnitKindMedic, kSidePlayer, -70, 70);
  }
  static Vector3 Ground(float x, float z) { return Vector3(x, kGroundHeight + 0.7f, z); }
};

TEST_F(ProjectilesTest, AThrowCoversTenUnitsATimeUnitAndTheFuseEndsJustAfterTheArc) {
  // Frames of 70 ms are steps of 0.1; 140 ms frames are cut to 0.1 as well.
  for (const auto& [ms, flying] : {std::pair{70, 20}, {35, 42}, {140, 20}}) {
    SCOPED_TRACE(ms);
    Projectile grenade;
    grenade.LoadGrenadeModel();
    // High above the ground, so nothing stops the arc.
    grenade.LaunchProjectile(Vector3(0, 500, 0), Vector3(20, 500, 0), 0);
    for (int i = 1; i <= flying; ++i) {
      grenade.UpdateProjectiles(static_cast<float>(ms / 700.0));
      EXPECT_NEAR(grenade.position.x, i * std::min(ms, 70) / 70.0f, 1e-3f);  // a unit every 70 ms flown
    }
    EXPECT_FALSE(grenade.idle);
    grenade.UpdateProjectiles(static_cast<float>(ms / 700.0));
    EXPECT_TRUE(grenade.idle);
    EXPECT_FALSE(Engine().engineStage->Contains(grenade.model.Get()));
    // Spent, it is no obstacle where it blew: a streak flies through.
    Tracer streak;
    streak.BuildFacedBox(kSideAlly);
    streak.LaunchTracer(grenade.position - Vector3(5, 0.5f, 0), grenade.position + Vector3(5, -0.5f, 0), 0);
    streak.UpdateLaunchedObjects(1.0f);
    EXPECT_NEAR(streak.position.x, grenade.position.x + 5.0f, 1e-3f);
  }
}

TEST_F(ProjectilesTest, OnFlatGroundABounceKeepsNineTenthsOfTheFallAndNoneOfTheRun) {
  Projectile grenade;
  grenade.LoadGrenadeModel();
  grenade.LaunchProjectile(Ground(3, 4), Ground(9, 7), 0);
  grenade.position = Vector3(3, kGroundHeight + 2.5f, 4);
  grenade.model->MoveTo(3, kGroundHeight + 2.5f, 4);
  grenade.velocity = Vector3(5, -20, 3);
  grenade.UpdateProjectiles(0.1f);  // falls 2.32 (20 + 3.2 a time unit), into the ground
  EXPECT_NEAR(std::fabs(grenade.velocity.x) + std::fabs(grenade.velocity.z), 0.0f, 1e-5f);
  EXPECT_NEAR(grenade.velocity.y, 20.88f, 1e-4f);
  EXPECT_NEAR(grenade.position.y, kGroundHeight + 4.588f, 1e-3f);
  EXPECT_FLOAT_EQ(grenade.position.x, 3.0f);
}

TEST_F(ProjectilesTest, EnemiesAreKnockedOutWithinNineScatterWithinFifteenAndVehiclesAreWrecked) {
  ChooseDifficulty(2);
  ClearSpawnPoints();
  AddSpawnPoint(Vector3(-30, kGroundHeight + 3, 60));
  Unit& scatters = Add(kUnitKindEnemy, kSideEnemy, 9.0f, 0);
  Unit& knockedOut = Add(kUnitKindEnemy, kSideEnemy, 0, 8.99f);
  Unit& beyond = Add(kUnitKindEnemy, kSideEnemy, 0, -15.0f);
  Unit& ally = Add(kUnitKindAlly, kSideAlly, 2, 0);
  scatters.draggedBy = 4;
  ally.draggedBy = 1;
  PutUnit(5, std::make_unique<Vehicle>(Engine().engineRoot, Engine().engineStage, kUnitKindEnemy));
  Unit& truck = *Units().units[Units().unitCount];
  CountNewUnit();
  truck.Place(Ground(-5, 0), kSideEnemy, 0, 5);

  EXPECT_TRUE(BlastAt(Vector3(0, 0, 0), Vector3(-20, 0, 0)));
  EXPECT_FALSE(scatters.down);
  EXPECT_EQ(scatters.respawnTime, 9500);
  EXPECT_GT(scatters.target.x, 9.0f);  // away from the thrower
  EXPECT_EQ(scatters.draggedBy, -1);
  EXPECT_EQ(ally.draggedBy, -1);
  EXPECT_TRUE(knockedOut.down);
  EXPECT_EQ(knockedOut.respawnTime, 3500);
  EXPECT_FLOAT_EQ(knockedOut.pos.x, -30.0f);
  EXPECT_FALSE(knockedOut.body->Visible() || knockedOut.marker->Visible());
  EXPECT_TRUE(truck.down && truck.arrived);
  EXPECT_EQ(truck.respawnTime, 2000000);
  EXPECT_NEAR(Vector3(truck.body->GetUp()).y, 0.0f, 1e-4f);  // on its side
  EXPECT_FALSE(beyond.down || ally.down);
  EXPECT_EQ(beyond.respawnTime, 0);
  // Nobody in reach: false, and the down are not hit again.
  EXPECT_FALSE(BlastAt(Vector3(0, 0, 60), Vector3(0, 0, 0)));
  // With no spawn point a knocked-out enemy stays where he is, and nothing is drawn for him.
  ClearSpawnPoints();
  Unit& stays = Add(kUnitKindEnemy, kSideEnemy, 43, 3);
  const uint32_t before = RandomState();
  BlastAt(Vector3(40, 0, 0), Vector3());
  EXPECT_TRUE(stays.down);
  EXPECT_FLOAT_EQ(stays.pos.x, 43.0f);
  EXPECT_EQ(RandomState(), before);
}

TEST_F(ProjectilesTest, TheMedicFeelsABlastFromEightToForty) {
  Unit& medic = *Units().units[0];
  medic.SetPosition(Ground(0, 0));
  for (const auto& [d, magnitude] : {std::pair{40.0f, 0.0f}, {39.9f, 997.5f}, {8.0f, 200.0f}}) {
    SCOPED_TRACE(d);
    BlastAt(Ground(d, 0), Vector3());
    EXPECT_EQ(Shake().shakeTimer, magnitude == 0.0f ? 0 : 700);
    if (magnitude == 0.0f) continue;
    EXPECT_FLOAT_EQ(Shake().shakeMagnitude, magnitude);
    CameraShake(700, true);
  }
  // With no enemy the blast's own height counts (30 above, 12 along: 32.31); an enemy examined anywhere
  // brings the point down to his height (12 along).
  BlastAt(Vector3(0, medic.pos.y + 30.0f, 12), Vector3());
  EXPECT_NEAR(Shake().shakeMagnitude, 807.77f, 0.01f);
  Add(kUnitKindEnemy, kSideEnemy, 50, 50);
  BlastAt(Vector3(0, medic.pos.y + 30.0f, 12), Vector3());
  EXPECT_FLOAT_EQ(Shake().shakeMagnitude, 300.0f);
  EXPECT_FALSE(medic.down);  // nearer than 8 he dies: the grenade scenario plays it through the KIA screen
}

TEST_F(ProjectilesTest, AStreakStopsOnItsTargetOrAtAUnitAndIsPutAwayWhereItStopped) {
  Tracer streak;
  streak.BuildFacedBox(kSideEnemy);
  streak.LaunchTracer(Vector3(0, 401.2f, 0), Vector3(30, 401.2f, 40), 0);
  EXPECT_FLOAT_EQ(streak.remaining, 0.5f);  // 50 units at 100 a time unit
  for (int i = 0; i < 3; ++i) streak.UpdateLaunchedObjects(0.2f);
  EXPECT_NEAR(streak.position.x, 30.0f, 1e-4f);
  EXPECT_NEAR(streak.position.z, 40.0f, 1e-4f);
  EXPECT_FALSE(streak.idle);
  streak.UpdateLaunchedObjects(0.2f);
  EXPECT_TRUE(streak.idle);
  EXPECT_FALSE(Engine().engineStage->Contains(streak.object.Get()));
  EXPECT_NEAR(streak.position.x, 30.0f, 1e-4f);

  Add(kUnitKindAlly, kSideAlly, 15, 0);
  streak.LaunchTracer(Vector3(0, 400.9f, 0), Vector3(30, 400.9f, 0), 0);
  streak.UpdateLaunchedObjects(0.5f);
  EXPECT_NEAR(streak.position.x, 13.95f, 0.01f);  // the unit's box 0.8, the streak's 0.25
  EXPECT_EQ(streak.remaining, 0.0f);
  // No length at all: put away on its first frame.
  streak.LaunchTracer(Vector3(5, 401, 5), Vector3(5, 401, 5), 0);
  streak.UpdateLaunchedObjects(0.1f);
  EXPECT_TRUE(streak.idle);
  EXPECT_FLOAT_EQ(streak.position.x, 5.0f);
}

TEST_F(ProjectilesTest, TheShakeTurnsTheCameraGentlyAndGivesItsViewBackEvenAfterASecondBlast) {
  Engine().engineCamera->SetDirectionUp(0, -0.8f, 0.6f, 0, 0.6f, 0.8f);
  const Vector3 direction(Engine().engineCamera->GetDirection()), up(Engine().engineCamera->GetUp());
  StartCameraShake(10.0f);  // a blast 20 away
  EXPECT_FLOAT_EQ(Shake().shakeMagnitude, 500.0f);
  float largest = 0.0f;
  for (int frame = 1; Shake().shakeTimer > 0; ++frame) {
    const engine::Vec3 before = Engine().engineCamera->GetDirection()->Value();
    CameraShake(70, true);
    const float cosine = std::min(1.0f, before.Dot(Engine().engineCamera->GetDirection()->Value()));
    largest = std::max(largest, std::acos(cosine) * 57.29578f);
    if (frame == 3) {
      StartCameraShake(10.0f);
    }
  }
  EXPECT_GT(largest, 0.0f);
  EXPECT_LE(largest, 49.0f / 500.0f * 1.01f);
  EXPECT_FLOAT_EQ(Engine().engineCamera->GetDirection()->GetY(), direction.y);
  EXPECT_FLOAT_EQ(Engine().engineCamera->GetUp()->GetZ(), up.z);
}

}  // namespace
}  // namespace kestrine
