// The computer units' orders: fighting posts, the waypoint chains, following, vehicles on patrol, and the
// dragging of casualties by both sides; indexes from the mission's files that name nothing do nothing. Their
// shots: whom they pick, when they hold fire, how often they hit, and what a hit does to an enemy, to an ally
// and to the medic; and the player's own shots.
#include <gtest/gtest.h>

#include "battlefield/battle_state.h"
#include "battlefield/developer_switches.h"
#include "battlefield/player_fire.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_orders.h"
#include "battlefield/unit_shooting.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "strategy_fixture.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class OrdersTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    SetGameClock(100000);
    StoreGameStateWithoutEntry(STATE_OVERHEAD);
    Add(kUnitKindMedic, kSidePlayer, -70, -70);
  }
  Unit& Ordered(int32_t side, float x, float z, int32_t orders) {
    Unit& unit = Add(side, side, x, z);
    unit.orders = orders;
    return unit;
  }
  static void Entry(int32_t i, float x, float z, int32_t orders, int32_t next) {
    EditStrategyEntry(i, [&](StrategyEntry& edited) { edited.pos = Vector3(x, kGroundHeight, z); });
    EditStrategyEntry(i, [&](StrategyEntry& edited) { edited.orders = orders; });
    EditStrategyEntry(i, [&](StrategyEntry& edited) { edited.patrol = next; });
  }
};

TEST_F(OrdersTest, AWaypointChainHandsOnItsOrdersAndADisperseWaypointTakesTheUnitOff) {
  Entry(4, 10, 0, ORDERS_ADVANCE, 7);
  Entry(7, 30, 0, ORDERS_DISSAPATE, 0);
  Unit& unit = Ordered(kSideAlly, 8, 0, ORDERS_ADVANCE);
  unit.patrol = 4;
  RunOrders(1);  // 2 from the waypoint: it takes the waypoint's orders, post and next waypoint
  EXPECT_EQ(unit.orders, ORDERS_ADVANCE);
  EXPECT_EQ(unit.patrol, 7);
  EXPECT_FLOAT_EQ(unit.home.x, 10.0f);
  EXPECT_FALSE(unit.down);
  unit.SetPosition(25, kGroundHeight, 0);  // 5 from the next: it disperses
  RunOrders(1);
  EXPECT_EQ(unit.orders, ORDERS_DISSAPATE);
  EXPECT_TRUE(unit.down);

  // Waypoints and leaders that name nothing leave a unit as it is.
  Unit& lost = Ordered(kSideAlly, 0, 0, ORDERS_ADVANCE);
  lost.patrol = 99;
  Unit& follower = Ordered(kSideAlly, 0, 5, ORDERS_FOLLOW);
  follower.patrol = 24;  // an empty slot
  for (int32_t i : {2, 3}) RunOrders(i);
  EXPECT_EQ(lost.orders, ORDERS_ADVANCE);
  EXPECT_EQ(follower.orders, ORDERS_FOLLOW);
  EXPECT_EQ(follower.targetUnit, 0);
}

TEST_F(OrdersTest, AFollowerKeepsNearItsLeaderAndLeavesWithHim) {
  Unit& leader = Ordered(kSideAlly, 30, 30, ORDERS_DEFEND);
  Unit& follower = Ordered(kSideAlly, 0, 0, ORDERS_FOLLOW);
  follower.patrol = 1;
  RunOrders(2);
  EXPECT_EQ(follower.targetUnit, 1);
  EXPECT_FALSE(follower.arrived);  // on its way
  leader.orders = ORDERS_DISSAPATE;
  RunOrders(2);
  EXPECT_TRUE(follower.down);
}

TEST_F(OrdersTest, VehiclesWithoutOrdersDriveToTheNearEndThenTheFarEndOfTheBattlefield) {
  Unit& truck = Ordered(kSideEnemy, 0, 0, ORDERS_NONE);
  truck.vehicleKind = TRUCK;
  const float ends[] = {-70.0f, 70.0f, -70.0f};
  for (float end : ends) {
    truck.orders = ORDERS_NONE;
    srand(3);
    const int32_t lane = rand() % 4;
    srand(3);
    RunOrders(1);
    EXPECT_EQ(truck.orders, ORDERS_DEFEND);
    EXPECT_EQ(truck.home.z, end);
    EXPECT_EQ(truck.home.x, 4.0f * lane);
  }
}

TEST_F(OrdersTest, WithNobodyToDrawASoldierWaitsInsteadOfDividingByZero) {
  Unit& ally = Ordered(kSideAlly, 0, 0, ORDERS_NONE);  // the medic and one soldier: nobody to search
  srand(9);
  const uint32_t before = RandomState();
  RunOrders(1);
  EXPECT_EQ(RandomState(), before);
  EXPECT_EQ(ally.orders, ORDERS_NONE);
}

TEST_F(OrdersTest, AnAllyTakesUpAPostNearAnEnemyOrAtTheMedicsSideDuringASupportCall) {
  Ordered(kSideEnemy, 40, 40, ORDERS_DEFEND);
  Ordered(kSideEnemy, 40, 40, ORDERS_DEFEND);
  // The draws run over 1 .. unitCount - 2, so each finds one of the two enemies.
  Unit& ally = Ordered(kSideAlly, 0, 0, ORDERS_NONE);
  RunOrders(3);
  EXPECT_EQ(ally.orders, ORDERS_DEFEND);
  EXPECT_GE(ally.targetUnit, 1);
  EXPECT_LE(ally.targetUnit, 2);
  EXPECT_LE(std::abs(ally.home.x - 40.0f), 15.0f);
  EXPECT_LE(std::abs(ally.home.z - 40.0f), 15.0f);

  StartSupportCall(20000);
  ally.orders = ORDERS_NONE;
  RunOrders(3);
  EXPECT_LE(std::abs(ally.home.x + 70.0f), 5.0f);  // the medic stands at (-70, -70)
  EXPECT_LE(std::abs(ally.home.z + 70.0f), 5.0f);
}

TEST_F(OrdersTest, AnExpertAttackerNowAndThenTurnsToDraggingButNotUnderThePatientView) {
  ChooseDifficulty(2);  // above 180 of 200
  Unit& enemy = Ordered(kSideEnemy, 0, 0, ORDERS_ATTACK);
  enemy.home = Vector3(30, kGroundHeight, 0);
  const uint32_t drags = testing::SeedWhere(200, [](int32_t draw) { return draw > 180; });
  for (const int32_t state : {STATE_OVERHEAD, STATE_PATIENT_VIEW}) {
    StoreGameStateWithoutEntry(state);
    enemy.orders = ORDERS_ATTACK;
    srand(drags);
    RunOrders(1);
    EXPECT_EQ(enemy.orders, state == STATE_OVERHEAD ? ORDERS_DEFENDNDRAG : ORDERS_NONE);
  }
}

TEST_F(OrdersTest, AnAllyDeliversAReadiedCasualtyAndTheNextIsDroppedBesideHim) {
  SetExtractionPoint(Vector3(-40, kGroundHeight, 0));
  Unit& ally = Ordered(kSideAlly, 0, 0, ORDERS_DEFENDNDRAG);
  SetFirstPatientUnit(Units().unitCount);
  Unit& waiting = Add(kUnitKindAlly, kSideAlly, 10, 0, 1);  // an ally does not take a waiting casualty
  Unit& readied = Add(kUnitKindAlly, kSideAlly, 2, 0, 2);
  RunOrders(1);
  EXPECT_EQ(ally.draggedBy, 3);
  EXPECT_EQ(waiting.draggedBy, -1);
  RunOrders(1);  // within 3 of him: he is taken along
  EXPECT_EQ(readied.draggedBy, 1);
  EXPECT_EQ(ally.orders, ORDERS_DRAG);

  ally.SetPosition(-36, kGroundHeight, 0);  // 4 from the collection point
  srand(11);
  const float dx = static_cast<float>(rand() % 3 - 1), dz = static_cast<float>(rand() % 3 - 1);
  srand(11);
  RunOrders(1);
  EXPECT_EQ(readied.state, 3);
  EXPECT_EQ(readied.draggedBy, -1);
  EXPECT_EQ(ally.draggedBy, -1);
  EXPECT_EQ(ally.orders, ORDERS_DEFENDNDRAG);
  EXPECT_EQ(StrategyTable().extractionPoint.x, -40.0f + dx);
  EXPECT_EQ(StrategyTable().extractionPoint.z, dz);
}

TEST_F(OrdersTest, TheEnemyCarriesAWaitingCasualtyToItsOwnPostWithoutDeliveringHim) {
  Unit& enemy = Ordered(kSideEnemy, 0, 0, ORDERS_DEFENDNDRAG);
  enemy.home = Vector3(30, kGroundHeight, 0);
  SetFirstPatientUnit(Units().unitCount);
  Unit& casualty = Add(kUnitKindAlly, kSideAlly, 1, 0, 1);
  RunOrders(1);
  RunOrders(1);
  ASSERT_EQ(enemy.orders, ORDERS_DRAG);
  EXPECT_EQ(casualty.draggedBy, 1);
  enemy.SetPosition(28, kGroundHeight, 0);
  RunOrders(1);
  EXPECT_EQ(casualty.state, 1);
  EXPECT_EQ(casualty.draggedBy, -1);
  EXPECT_EQ(enemy.orders, ORDERS_ATTACK);

  // Under the patient view, or once the medic has him, a dragger lets go.
  enemy.orders = ORDERS_DEFENDNDRAG;
  RunOrders(1);
  ASSERT_EQ(enemy.draggedBy, 2);
  StoreGameStateWithoutEntry(STATE_PATIENT_VIEW);
  RunOrders(1);
  EXPECT_EQ(enemy.draggedBy, -1);
}

// ---- shots ----

class ShootingTest : public testing::UnitTest {
 protected:
  static bool Aimed(const Unit& shooter, const Unit& target) {
    return shooter.firing && shooter.tracer.target.x == target.pos.x && shooter.tracer.target.z == target.pos.z;
  }
};

TEST_F(ShootingTest, TheTargetIsTheNearestOtherSideUnitInRangeMeasuredInWholeUnits) {
  ChooseDifficulty(0);  // range 20
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
  UnitShootingTick(Units().unitCount - 1);
  EXPECT_FALSE(ally.firing);
}

TEST_F(ShootingTest, NoShotAtAVehicleBeyondFiftyOrThroughAWall) {
  ChooseDifficulty(2);  // range 40
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
  auto wall = Engine().engineRoot->CreateObject();
  wall->AttachShape(Engine().engineRoot->CreateBox(2, 20, 20, 0));
  wall->MoveTo(10, kGroundHeight, 0);
  wall->SetCollisionMask(4, 0);
  Engine().engineStage->AddObject(wall);
  UnitShootingTick(1);
  EXPECT_FALSE(shooter.firing);
}

TEST_F(ShootingTest, AnExpertsShotTenAwayAtEachThresholdOfHitKillFallBackAndTheMedicsDeath) {
  ChooseDifficulty(2);
  Add(kUnitKindMedic, kSidePlayer, 0, 0);
  Add(kUnitKindEnemy, kSideEnemy, 0, 10);
  Add(kUnitKindAlly, kSideAlly, 0, 20);
  // Every shot is sqrt(10 x 10 + 1) = 10.05 long (aim heights 3 and 2): 240 / 10.05 takes 23 off the draw
  // of 0..99. A hit below 30 (draw 52, not 53); the medic dies below 7 (draw 29, not 30) when his health
  // is then below the level 2; an enemy is killed below 8 - 2 = 6 (health -10, respawn 15200 - 2 x 3000);
  // anyone else left below 9 falls back (respawn 15500 - 2 x 3000).
  const struct {
    int32_t shooter, target, health, draw, healthAfter;
    bool down;
    int32_t respawn, endState;
  } rows[] = {
      {1, 0, 3, 29, 2, false, 0, STATE_OVERHEAD},    {1, 0, 2, 29, 1, true, 0, STATE_KIA},
      {1, 0, 2, 30, 1, false, 0, STATE_OVERHEAD},    {1, 2, 10, 52, 9, false, 0, STATE_OVERHEAD},
      {1, 2, 9, 52, 8, false, 9500, STATE_OVERHEAD}, {2, 1, 10, 53, 10, false, 0, STATE_OVERHEAD},
      {2, 1, 7, 52, 6, false, 9500, STATE_OVERHEAD}, {2, 1, 6, 52, -10, true, 9200, STATE_OVERHEAD},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.target * 10000 + row.health * 100 + row.draw);
    StoreGameStateWithoutEntry(STATE_OVERHEAD);
    for (int32_t k = 0; k < 3; ++k) Units().units[k]->down = k != row.shooter && k != row.target;
    Unit& target = *Units().units[row.target];
    target.health = row.health;
    target.respawnTime = 0;
    Units().units[row.shooter]->nextShotTime = 0;
    srand(testing::SeedWhere(100, [&](int32_t draw) { return draw == row.draw; }));
    UnitShootingTick(row.shooter);
    EXPECT_EQ(target.health, row.healthAfter);
    EXPECT_EQ(target.down, row.down);
    EXPECT_EQ(target.respawnTime, row.respawn);
    EXPECT_EQ(States().gameState, row.endState);
  }
}

TEST_F(ShootingTest, AnEnemyCloseByIsKilledAndLetsGoOfHisCasualtyAnAllyWorseHitFallsBack) {
  ChooseDifficulty(1);
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
  Unit& ally = *Units().units[1];
  ally.health = 8;
  Unit& shooter = Add(kUnitKindEnemy, kSideEnemy, 0, -6);
  srand(testing::SeedWhere(200, [](int32_t draw) { return draw < 30 + 26; }));  // 160 / 6.08 takes 26 off
  UnitShootingTick(Units().unitCount - 1);
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
    ChooseDifficulty(c.level);
    StoreGameStateWithoutEntry(c.state);
    SetInvulnerable(c.invulnerable != 0);
    medic.down = false;
    medic.health = 10;
    Units().units[1]->nextShotTime = 0;
    // The killing draw: below 7 after (level + 1) x 80 / 3.16 is taken off (25, 50, 75).
    const int32_t off[] = {25, 50, 75};
    srand(testing::SeedWhere((3 - c.level) * 100, [&](int32_t draw) { return draw < 7 + off[c.level]; }));
    UnitShootingTick(1);
    EXPECT_EQ(States().gameState, c.endState);
    EXPECT_EQ(medic.down, c.dies);
    EXPECT_EQ(medic.health, 9);  // hit all the same
    // Killed under the patient view, he passes through the overhead view.
    if (c.dies && c.state == STATE_PATIENT_VIEW) {
      EXPECT_EQ(States().previousGameState, STATE_OVERHEAD);
    }
  }
}

TEST_F(ShootingTest, AShotAtTheMedicOutlinesTheScreenOnlyUnderThePatientView) {
  Add(kUnitKindMedic, kSidePlayer, 0, 0);
  Add(kUnitKindEnemy, kSideEnemy, 0, 12);
  UseTextOverlay(Engine().engineRoot->CreateBitmap(640, 480));
  ChooseDifficulty(0);
  // The screen outline is drawn in its own yellow, whatever colour the overlay last drew in.
  const engine::Color flash = engine::EngineBitmap::MakeColor(255, 255, 0);
  const auto flashed = [&](int x, int y) { return ScreenText().textOverlay->PixelColor(x, y) == flash; };
  for (const int32_t state : {STATE_OVERHEAD, STATE_PATIENT_VIEW}) {
    SCOPED_TRACE(state);
    ScreenText().textOverlay->Clear(255, 0, 0);
    StoreGameStateWithoutEntry(state);
    Units().units[1]->nextShotTime = 0;
    UnitShootingTick(1);
    ASSERT_TRUE(Units().units[1]->firing);
    const bool shown = state == STATE_PATIENT_VIEW;
    // A line one pixel in from each edge of the 640 x 480 screen.
    EXPECT_EQ(flashed(320, 1), shown);
    EXPECT_EQ(flashed(1, 240), shown);
    EXPECT_EQ(flashed(639, 240), shown);
    EXPECT_EQ(flashed(320, 479), shown);
    EXPECT_FALSE(flashed(320, 240));
  }
  ReleaseTextOverlay();
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
  EXPECT_EQ(Battle().friendlyFireCount, 5);
  PlayerShotLanded(Vector3(-25, enemy.pos.y, 0));
  EXPECT_EQ(Battle().friendlyFireCount, 0);
  EXPECT_EQ(Outcome().missionEndFlag, 0);
}

}  // namespace
}  // namespace kestrine
