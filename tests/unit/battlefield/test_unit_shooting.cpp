// A computer unit's shot: whom it picks, when it holds fire, how often it hits, and what a hit does to an
// enemy, to an ally and to the medic.
#include <gtest/gtest.h>

#include "battlefield/battle_state.h"
#include "battlefield/developer_switches.h"
#include "battlefield/player_fire.h"
#include "battlefield/unit_shooting.h"
#include "shell/random.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class ShootingTest : public testing::UnitTest {
 protected:
  // The first draw a generator seeded with `seed` makes, modulo n.
  static int32_t FirstDraw(uint32_t seed, int32_t n) {
    srand(seed);
    return rand() % n;
  }
  // A seed whose first draw modulo n is below `below` (or, with hit false, not below it).
  static uint32_t SeedWhere(int32_t n, int32_t below, bool hit) {
    for (uint32_t seed = 1;; ++seed)
      if ((FirstDraw(seed, n) < below) == hit) return seed;
  }
  static bool Aimed(const Unit& shooter, const Unit& target) {
    return shooter.firing && shooter.tracer.target.x == target.pos.x && shooter.tracer.target.z == target.pos.z;
  }
};

TEST_F(ShootingTest, TheTargetIsTheNearestOtherSideUnitInRangeMeasuredInWholeUnits) {
  difficulty = 0;  // range 20
  Add(kUnitKindMedic, kSidePlayer, -60, -60);
  Unit& shooter = Add(kUnitKindEnemy, kSideEnemy, 0, 0);
  Add(kUnitKindAlly, kSideAlly, 3, 0, 1);  // wounded: never a target
  Unit& down = Add(kUnitKindAlly, kSideAlly, 4, 0);
  down.down = true;
  Add(kUnitKindEnemy, kSideEnemy, 5, 0);  // his own side
  Unit& first = Add(kUnitKindAlly, kSideAlly, 12.9f, 0);
  Add(kUnitKindAlly, kSideAlly, 0, 12.5f);  // nearer, but not nearer than the 12 the range shrank to
  srand(1);
  UnitShootingTick(1);
  EXPECT_TRUE(Aimed(shooter, first));

  // An ally never fires at the medic, even alone with him.
  Unit& ally = Add(kUnitKindAlly, kSideAlly, -58, -60);
  UnitShootingTick(unitCount - 1);
  EXPECT_FALSE(ally.firing);
}

TEST_F(ShootingTest, NoShotAtAVehicleBeyondFiftyOrThroughAWall) {
  difficulty = 2;  // range 40
  Add(kUnitKindMedic, kSidePlayer, -60, -60);
  Unit& shooter = Add(kUnitKindAlly, kSideAlly, 0, 0);
  Unit& truck = Add(kUnitKindEnemy, kSideEnemy, 5, 0);
  truck.vehicleKind = TRUCK;
  UnitShootingTick(1);
  EXPECT_FALSE(shooter.firing);

  // 39 across and 32 above the shooter's aim: 50.45 away.
  truck.vehicleKind = MAN;
  truck.SetPosition(39, kGroundHeight + 33, 0);
  UnitShootingTick(1);
  EXPECT_FALSE(shooter.firing);
  truck.SetPosition(39, kGroundHeight + 32, 0);  // 49.8
  UnitShootingTick(1);
  EXPECT_TRUE(shooter.firing);

  shooter.firing = false;
  shooter.nextShotTime = 0;
  truck.SetPosition(20, kGroundHeight, 0);
  auto wall = engineRoot->CreateObject();
  wall->AttachShape(engineRoot->CreateBox(2, 20, 20, 0));
  wall->MoveTo(10, kGroundHeight, 0);
  wall->SetCollisionMask(4, 0);
  engineStage->AddObject(wall);
  UnitShootingTick(1);
  EXPECT_FALSE(shooter.firing);
}

TEST_F(ShootingTest, AnExpertHitsAtTenUnlessHisDrawIsFiftyThreeOrMore) {
  difficulty = 2;
  Add(kUnitKindMedic, kSidePlayer, -60, -60);
  Add(kUnitKindAlly, kSideAlly, 0, 0);
  Unit& enemy = Add(kUnitKindEnemy, kSideEnemy, 0, 10);
  // d = sqrt(10 x 10 + 1) (aim heights 3 and 2): 240 / 10.05 gives 23 off the draw, a hit below 30.
  for (uint32_t seed = 1; seed < 40; ++seed) {
    enemy.health = 10;
    units[1]->nextShotTime = 0;
    const bool hit = FirstDraw(seed, 100) < 53;
    srand(seed);
    UnitShootingTick(1);
    EXPECT_EQ(enemy.health, hit ? 9 : 10) << "seed " << seed;
    EXPECT_FALSE(enemy.down);  // 10.05 away and barely hurt: he stands
  }
}

TEST_F(ShootingTest, AnEnemyCloseByIsKilledAndLetsGoOfHisCasualtyAnAllyWorseHitFallsBack) {
  difficulty = 1;
  Add(kUnitKindMedic, kSidePlayer, -60, -60);
  Add(kUnitKindAlly, kSideAlly, 0, 0);
  Unit& enemy = Add(kUnitKindEnemy, kSideEnemy, 0, 6);
  Unit& casualty = Add(kUnitKindAlly, kSideAlly, 0, 8, 1);
  enemy.draggedBy = 3;
  casualty.draggedBy = 2;
  UnitShootingTick(1);
  EXPECT_TRUE(enemy.down);
  EXPECT_EQ(enemy.health, -10);
  EXPECT_EQ(enemy.respawnTime, 12200);
  EXPECT_EQ(enemy.draggedBy, -1);
  EXPECT_EQ(casualty.draggedBy, -1);

  // The enemy fires back at an ally of 8 who is hit: he runs, away from the shooter.
  Unit& ally = *units[1];
  ally.health = 8;
  Unit& shooter = Add(kUnitKindEnemy, kSideEnemy, 0, -6);
  srand(SeedWhere(200, 30 + 26, true));  // 160 / 6.08 takes 26 off the draw
  UnitShootingTick(unitCount - 1);
  EXPECT_EQ(ally.health, 7);
  EXPECT_EQ(ally.respawnTime, 12500);
  EXPECT_GT(ally.target.z, 0.0f);  // away from the shooter at -6
  EXPECT_FALSE(shooter.down);
}

TEST_F(ShootingTest, TheMedicDiesOfAShotAtPointBlankExceptUnderThePatientViewAtNovice) {
  Unit& medic = Add(kUnitKindMedic, kSidePlayer, 0, 0);
  Add(kUnitKindEnemy, kSideEnemy, 0, 3);  // d = sqrt(10)
  struct Case {
    int32_t level, state;
    uint8_t invulnerable;
    int32_t endState;
    bool dies;
  };
  const Case cases[] = {{0, STATE_OVERHEAD, 0, STATE_KIA, true},
                        {0, STATE_PATIENT_VIEW, 0, STATE_PATIENT_VIEW, false},
                        {1, STATE_PATIENT_VIEW, 0, STATE_KIA, true},
                        {2, STATE_OVERHEAD, 1, STATE_OVERHEAD, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level * 100 + c.state);
    difficulty = c.level;
    gameState = c.state;
    invulnerable = c.invulnerable;
    medic.down = false;
    medic.health = 10;
    units[1]->nextShotTime = 0;
    // The killing draw: below 7 after (level + 1) x 80 / 3.16 is taken off (25, 50, 75).
    const int32_t off[] = {25, 50, 75};
    srand(SeedWhere((3 - c.level) * 100, 7 + off[c.level], true));
    UnitShootingTick(1);
    EXPECT_EQ(gameState, c.endState);
    EXPECT_EQ(medic.down, c.dies);
    EXPECT_EQ(medic.health, 9);  // hit all the same
    // Killed under the patient view, he passes through the overhead view.
    if (c.dies && c.state == STATE_PATIENT_VIEW) {
      EXPECT_EQ(previousGameState, STATE_OVERHEAD);
    }
  }
}

// ---- the player's own shots ----

TEST_F(ShootingTest, APlayersShotThreeFromAnEnemyDownsHimAtOnceOnlyWithinSeventeenOfTheMedic) {
  Add(kUnitKindMedic, kSidePlayer, 0, 0);
  Unit& near = Add(kUnitKindEnemy, kSideEnemy, 16, 0);
  Unit& far = Add(kUnitKindEnemy, kSideEnemy, 0, 18);
  PlayerShotLanded(Vector3(13, near.pos.y, 0));
  EXPECT_TRUE(near.down);
  // Down once for being close to the medic, and (killed, his health is -10) once more by the novice's draw,
  // which always succeeds: the second wait is the one he keeps.
  EXPECT_EQ(near.respawnTime, 17700);
  PlayerShotLanded(Vector3(0, far.pos.y, 15));
  EXPECT_FALSE(far.down);  // 9 health left: no chance of going down yet
  EXPECT_EQ(far.health, 9);
  // Grazed from farther off, he turns on the medic.
  PlayerShotLanded(Vector3(5, far.pos.y, 18));
  EXPECT_EQ(far.health, 8);
  EXPECT_EQ(far.alert, 1);
  EXPECT_EQ(far.action, ACTION_HURT);
}

TEST_F(ShootingTest, APlayersShotBesideAFriendCountsAgainstHimUntilHeHitsAnEnemy) {
  Add(kUnitKindMedic, kSidePlayer, 0, 0);
  Unit& ally = Add(kUnitKindAlly, kSideAlly, 30, 0);
  Unit& enemy = Add(kUnitKindEnemy, kSideEnemy, -30, 0);
  for (int i = 0; i < 5; ++i) PlayerShotLanded(Vector3(31.5f, ally.pos.y, 0));
  PlayerShotLanded(Vector3(32.1f, ally.pos.y, 0));  // 2.1 off: not beside him
  EXPECT_EQ(friendlyFireCount, 5);
  PlayerShotLanded(Vector3(-25, enemy.pos.y, 0));
  EXPECT_EQ(friendlyFireCount, 0);
  EXPECT_EQ(missionEndFlag, 0);
}

}  // namespace
}  // namespace kestrine
