// The computer units' orders: fighting posts, the waypoint chains, following, vehicles on patrol, and the
// dragging of casualties by both sides; indexes from the mission's files that name nothing do nothing.
#include <gtest/gtest.h>

#include "battlefield/battle_state.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_orders.h"
#include "shell/random.h"
#include "unit_fixture.h"

namespace kestrine {
namespace {

using testing::kGroundHeight;

class OrdersTest : public testing::UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    gameClock = 100000;
    gameState = STATE_OVERHEAD;
    Add(kUnitKindMedic, kSidePlayer, -70, -70);
  }
  Unit& Ordered(int32_t side, float x, float z, int32_t orders) {
    Unit& unit = Add(side, side, x, z);
    unit.orders = orders;
    return unit;
  }
  static void Entry(int32_t i, float x, float z, int32_t orders, int32_t next) {
    strategy[i].pos = Vector3(x, kGroundHeight, z);
    strategy[i].orders = orders;
    strategy[i].patrol = next;
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

  supportActive = true;
  ally.orders = ORDERS_NONE;
  RunOrders(3);
  EXPECT_LE(std::abs(ally.home.x + 70.0f), 5.0f);  // the medic stands at (-70, -70)
  EXPECT_LE(std::abs(ally.home.z + 70.0f), 5.0f);
}

TEST_F(OrdersTest, AnExpertAttackerNowAndThenTurnsToDraggingButNotUnderThePatientView) {
  difficulty = 2;  // above 180 of 200
  Unit& enemy = Ordered(kSideEnemy, 0, 0, ORDERS_ATTACK);
  enemy.home = Vector3(30, kGroundHeight, 0);
  uint32_t drags = 1;
  while ([&] {
    srand(drags);
    return rand() % 200 <= 180;
  }())
    ++drags;
  for (const int32_t state : {STATE_OVERHEAD, STATE_PATIENT_VIEW}) {
    gameState = state;
    enemy.orders = ORDERS_ATTACK;
    srand(drags);
    RunOrders(1);
    EXPECT_EQ(enemy.orders, state == STATE_OVERHEAD ? ORDERS_DEFENDNDRAG : ORDERS_NONE);
  }
}

TEST_F(OrdersTest, AnAllyDeliversAReadiedCasualtyAndTheNextIsDroppedBesideHim) {
  extractionPoint = Vector3(-40, kGroundHeight, 0);
  Unit& ally = Ordered(kSideAlly, 0, 0, ORDERS_DEFENDNDRAG);
  firstPatientUnit = unitCount;
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
  EXPECT_EQ(extractionPoint.x, -40.0f + dx);
  EXPECT_EQ(extractionPoint.z, dz);
}

TEST_F(OrdersTest, TheEnemyCarriesAWaitingCasualtyToItsOwnPostWithoutDeliveringHim) {
  Unit& enemy = Ordered(kSideEnemy, 0, 0, ORDERS_DEFENDNDRAG);
  enemy.home = Vector3(30, kGroundHeight, 0);
  firstPatientUnit = unitCount;
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
  gameState = STATE_PATIENT_VIEW;
  RunOrders(1);
  EXPECT_EQ(enemy.draggedBy, -1);
}

}  // namespace
}  // namespace kestrine
