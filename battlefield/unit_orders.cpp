#include "battlefield/unit_orders.h"

#include "battlefield/battle_state.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "casualty/casualty_queries.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

UnitOrdersState unitOrdersState;
KESTRINE_PROGRAM_STATE(unitOrdersState);

}  // namespace

namespace {

constexpr int32_t kSearchTries = 5;
constexpr int32_t kTargetSpread = 15;  // how far from its target a unit takes up its post
constexpr int32_t kSupportSpread = 5;  // how far from the medic an ally answering a call stands
constexpr int32_t kHomeSpread = 5;     // how far a unit wanders about its post
constexpr int32_t kLeaderSpread = 10;  // how far a follower keeps from its leader
constexpr float kPostReach = 10.0f;    // farther than this from its post, a unit goes back
constexpr int32_t kDefendRestMs = 10000;
constexpr int32_t kDefendNextMoveMs = 1800;
constexpr int32_t kAttackRestMs = 15000;
constexpr int32_t kAdvanceWaitMs = 9000;
constexpr float kWaypointReached = 6.0f;
constexpr float kDragWaypointReached = 5.0f;
constexpr float kCasualtyInReach = 3.0f;
constexpr float kDropReach = 6.0f;
constexpr int32_t kDragHoldBackMs = 1000;
// Vehicles patrol across the middle of the battlefield, from end to end.
constexpr int32_t kVehicleLanes = 4;
constexpr float kVehicleLaneWidth = 4.0f;
constexpr float kVehicleEnd = 70.0f;

constexpr int32_t kWaiting = 1;
constexpr int32_t kReadied = 2;
constexpr int32_t kDelivered = 3;
constexpr int32_t kHurtHealth = 8;

bool IsStrategyIndex(int32_t i) { return i >= 0 && i < kStrategyEntryCount; }

bool OnFoot(const Unit& unit) { return unit.vehicleKind == MAN; }

float Distance(const Vector3& a, const Vector3& b) { return (a - b).Length(); }

// A random other unit, up to five tries, the first that `wanted` accepts; -1 when none did. A battle of
// the medic and one other unit has nobody to draw.
template <typename Wanted>
int32_t SearchUnit(Wanted wanted) {
  const int32_t spread = Units().unitCount - 2;
  if (spread <= 0) return -1;
  for (int32_t tries = 0; tries < kSearchTries; ++tries) {
    const int32_t j = rand() % spread + 1;
    if (IsUnitSlot(j) && wanted(*Units().units[j])) return j;
  }
  return -1;
}

// Sent to `point`, which becomes its post.
void TakePost(Unit& unit, const Vector3& point, int32_t orders) {
  SendUnitTo(unit, point);
  unit.home = point;
  unit.orders = orders;
}

void Hold(Unit& unit) { unit.SetAction(unit.health < kHurtHealth ? ACTION_HURT : ACTION_STAND); }

// Near its post: it stands (or crouches, hurt). Away from it, or after a rest, it walks back to somewhere
// about it and takes the time of that move.
void HoldPost(Unit& unit, int32_t restMs, int32_t nextMoveAt) {
  if (unit.AxisDistanceWithin(unit.home, kPostReach) >= kPostReach || Clock().gameClock - unit.nextShotTime >= restMs) {
    unit.nextShotTime = nextMoveAt;
    SendUnitTo(unit, RandomOffset(unit.home, kHomeSpread));
  } else {
    Hold(unit);
  }
}

// At the waypoint entry the unit takes the entry's orders, post and next waypoint; a waypoint that tells
// it to disperse takes it off the battlefield.
void ReachWaypoint(Unit& unit, float reached) {
  if (!IsStrategyIndex(unit.patrol)) return;
  const StrategyEntry& entry = StrategyTable().strategy[unit.patrol];
  if (!(Distance(unit.pos, entry.pos) < reached)) return;
  unit.orders = entry.orders;
  unit.home = entry.pos;
  unit.patrol = entry.patrol;
  if (unit.orders == ORDERS_DISSAPATE) unit.Relocate();
}

void GoToWaypoint(Unit& unit) {
  if (IsStrategyIndex(unit.patrol)) SendUnitTo(unit, StrategyTable().strategy[unit.patrol].pos);
}

void NoOrders(Unit& unit) {
  if (unit.vehicleKind != MAN) {
    const float x = static_cast<float>(rand() % kVehicleLanes) * kVehicleLaneWidth;
    const float z = unitOrdersState.vehicleToFarEnd ? kVehicleEnd : -kVehicleEnd;
    unitOrdersState.vehicleToFarEnd = !unitOrdersState.vehicleToFarEnd;
    TakePost(unit, Vector3(x, 0.0f, z), ORDERS_DEFEND);
    return;
  }
  if (unit.side == kSideAlly) {
    if (Battle().supportActive) {
      // The support call: to the medic's side.
      if (!IsUnitSlot(0)) return;
      const Vector3 medic(Units().units[0]->pos.x, 0.0f, Units().units[0]->pos.z);
      TakePost(unit, RandomOffset(medic, kSupportSpread), ORDERS_DEFEND);
      return;
    }
    const int32_t j = SearchUnit([](const Unit& other) { return other.side == kSideEnemy; });
    if (j < 0) return;
    TakePost(unit, RandomOffset(Units().units[j]->pos, kTargetSpread), ORDERS_DEFEND);
    unit.targetUnit = j;
    return;
  }
  if (unit.side != kSideEnemy) return;
  if (unit.targetUnit < 1) {
    // The enemy goes for the wounded.
    const int32_t j = SearchUnit([](const Unit& other) { return other.side == kSideAlly && other.state > 0; });
    if (j < 0) return;
    TakePost(unit, RandomOffset(Units().units[j]->pos, kTargetSpread), ORDERS_ATTACK);
    unit.targetUnit = j;
    return;
  }
  if (!IsUnitSlot(unit.targetUnit)) return;
  TakePost(unit, RandomOffset(Units().units[unit.targetUnit]->pos, kTargetSpread), ORDERS_ATTACK);
}

void Attack(Unit& unit) {
  if (!OnFoot(unit)) return;
  if (unit.AxisDistanceWithin(unit.home, kPostReach) >= kPostReach ||
      Clock().gameClock - unit.nextShotTime >= kAttackRestMs) {
    // Now and then an attacker turns to carrying off the wounded.
    if (rand() % 200 > 196 - 8 * Campaign().difficulty && States().gameState == STATE_OVERHEAD) {
      unit.orders = ORDERS_DEFENDNDRAG;
    } else {
      unit.nextShotTime = Clock().gameClock;
      unit.orders = ORDERS_NONE;
    }
    return;
  }
  Hold(unit);
}

void Advance(Unit& unit) {
  if (Clock().gameClock - unit.nextShotTime <= kAdvanceWaitMs) {
    unit.ResetAction();
  } else {
    GoToWaypoint(unit);
  }
  ReachWaypoint(unit, kWaypointReached);
}

void Follow(Unit& unit) {
  if (!IsUnitSlot(unit.patrol)) return;
  const Unit& leader = *Units().units[unit.patrol];
  if (unit.AxisDistanceWithin(leader.pos, kPostReach) >= kPostReach) {
    SendUnitTo(unit, RandomOffset(leader.pos, kLeaderSpread));
    unit.targetUnit = unit.patrol;
  }
  if (leader.orders == ORDERS_DISSAPATE) unit.Relocate();
}

void RecoverWhenDue(Unit& unit) {
  if (!unit.down || !(unit.downTime < Clock().gameClock)) return;
  unit.Relocate();
  unit.orders = ORDERS_DEFEND;
}

// Where a dragger takes his casualty: allies to the collection point, the enemy to its own post.
Vector3 DragDestination(const Unit& unit) {
  return unit.side == kSideEnemy ? unit.home : StrategyTable().extractionPoint;
}

int32_t OrdersAfterDrag(const Unit& unit) { return unit.side == kSideEnemy ? ORDERS_ATTACK : ORDERS_DEFENDNDRAG; }

// The casualty a dragger holds, or nullptr (and the dragger lets go) when its link names no unit.
Unit* DraggedCasualty(Unit& unit) {
  if (IsUnitSlot(unit.draggedBy)) return Units().units[unit.draggedBy].get();
  unit.draggedBy = -1;
  return nullptr;
}

// The casualty is in hand: the dragger links it to himself and sets off.
void TakeCasualty(Unit& unit, Unit& casualty, int32_t self, const Vector3& destination) {
  casualty.draggedBy = self;
  unit.orders = ORDERS_DRAG;
  SendUnitTo(unit, destination);
}

void AdvanceAndDrag(Unit& unit, int32_t self) {
  if (unit.draggedBy < 0) {
    for (int32_t i = 0; i < Units().unitCount && i < kUnitSlotCount; ++i) {
      if (Units().units[i] && Units().units[i]->state == kReadied) {
        unit.draggedBy = i;
        return;
      }
    }
    if (unit.nextShotTime < 1 || Clock().gameClock - unit.nextShotTime <= kAdvanceWaitMs) {
      unit.ResetAction();
      SendUnitTo(unit, unit.pos);
    } else {
      GoToWaypoint(unit);
    }
    ReachWaypoint(unit, kDragWaypointReached);
    return;
  }
  Unit* casualty = DraggedCasualty(unit);
  if (!casualty) return;
  if (Distance(unit.pos, casualty->pos) >= kCasualtyInReach) {
    SendUnitTo(unit, casualty->pos);
    return;
  }
  TakeCasualty(unit, *casualty, self, StrategyTable().extractionPoint);
}

void DefendAndDrag(Unit& unit, int32_t self) {
  const bool enemy = unit.side == kSideEnemy;
  if (unit.draggedBy < 0) {
    for (int32_t i = Units().firstPatientUnit; i < Units().unitCount && i < kUnitSlotCount; ++i) {
      const Unit* c = Units().units[i].get();
      if (!c || c->draggedBy >= 0 || !IsCasualtyMovable(i - Units().firstPatientUnit)) continue;
      if (c->state == kReadied || (enemy && c->state == kWaiting)) {
        unit.draggedBy = i;
        SendUnitTo(unit, c->pos);
        return;
      }
    }
    if (enemy) unit.orders = ORDERS_ATTACK;
    if (OnFoot(unit)) HoldPost(unit, kDefendRestMs, Clock().gameClock - kDragHoldBackMs);
    return;
  }
  Unit* casualty = DraggedCasualty(unit);
  if (!casualty) return;
  // Someone else has him, he is delivered already, or the medic is treating him: let go.
  if (!(casualty->state < kDelivered && casualty->draggedBy < 0 && States().gameState != STATE_PATIENT_VIEW)) {
    unit.draggedBy = -1;
    return;
  }
  if (Distance(unit.pos, casualty->pos) >= kCasualtyInReach) {
    SendUnitTo(unit, casualty->pos);
    return;
  }
  TakeCasualty(unit, *casualty, self, DragDestination(unit));
}

void Drag(Unit& unit) {
  if (unit.draggedBy < 1) {
    unit.orders = OrdersAfterDrag(unit);
    return;
  }
  const Vector3 destination = DragDestination(unit);
  if (Distance(unit.pos, destination) >= kDropReach) {
    SendUnitTo(unit, destination);
    return;
  }
  // Dropped here; the next one goes down beside him.
  if (IsUnitSlot(unit.draggedBy)) {
    Unit& casualty = *Units().units[unit.draggedBy];
    casualty.draggedBy = -1;
    if (unit.side != kSideEnemy) casualty.state = kDelivered;
  }
  unit.draggedBy = -1;
  Vector3 point = StrategyTable().extractionPoint;
  point.x += static_cast<float>(rand() % 3 - 1);
  point.z += static_cast<float>(rand() % 3 - 1);
  SetExtractionPoint(point);
  unit.orders = OrdersAfterDrag(unit);
}

}  // namespace

bool IsUnitSlot(int32_t i) {
  return i >= 0 && i < Units().unitCount && i < kUnitSlotCount && Units().units[i] != nullptr;
}

void SendUnitTo(Unit& unit, const Vector3& point) {
  unit.FindPath(point);
  unit.MoveToward(unit.CellCentre());
}

Vector3 RandomOffset(const Vector3& around, int32_t k) {
  Vector3 point = around;
  point.x += static_cast<float>(rand() % (2 * k) - k);
  point.z += static_cast<float>(rand() % (2 * k) - k);
  return point;
}

void RunOrders(int32_t u) {
  if (!IsUnitSlot(u)) return;
  Unit& unit = *Units().units[u];
  switch (unit.orders) {
    case ORDERS_NONE:
      NoOrders(unit);
      break;
    case ORDERS_DEFEND:
      if (OnFoot(unit)) HoldPost(unit, kDefendRestMs, Clock().gameClock + kDefendNextMoveMs);
      break;
    case ORDERS_ATTACK:
      Attack(unit);
      break;
    case ORDERS_ADVANCE:
      Advance(unit);
      break;
    case ORDERS_FOLLOW:
      Follow(unit);
      break;
    case ORDERS_DEAD:
      RecoverWhenDue(unit);
      break;
    case ORDERS_ADVANCENDRAG:
      AdvanceAndDrag(unit, u);
      break;
    case ORDERS_DEFENDNDRAG:
      DefendAndDrag(unit, u);
      break;
    case ORDERS_DRAG:
      Drag(unit);
      break;
    default:
      // Retreating, dispersed and fixed units (and values no order has) do nothing.
      break;
  }
}

}  // namespace kestrine
