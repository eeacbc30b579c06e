// A unit's walk: steering toward a point, one frame's step with its obstacle and ground tests, and
// standing on the ground.
#include <algorithm>
#include <cmath>

#include "battlefield/ground_level.h"
#include "battlefield/medic_drag.h"
#include "battlefield/unit.h"
#include "engine/engine.h"
#include "shell/events.h"

namespace kestrine {

namespace {

constexpr float kBattlefieldEdge = 80.0f;
constexpr float kDegreesPerRadian = 57.2957795f;
// Targets nearer than this are not steered to.
constexpr float kSteerMinimum = 0.4f;
constexpr float kClimb = 0.4f;
constexpr float kArrivalWindow = 1.0f;
// Units per 100 ms at full speed; the speed scales it.
constexpr float kTopRate = 1.0f;
// No single step is longer, so a long frame cannot carry a unit past the point it walks to.
constexpr float kLongestStep = 1.0f;
constexpr int kGroundMask = 1;
constexpr int kObstacleMask = 2;
// Ground hits lower than this are falls through the terrain.
constexpr float kLowestGround = 375.0f;
constexpr float kFallbackHeight = 420.0f;
constexpr float kSnapAbove = 418.0f;
// The plate lies just above the ground the unit stands on: a unit's position is the ground point under
// its feet, so any lower and the terrain would cover the plate that tells the player who is who.
constexpr float kPlateAboveGround = 0.2f;

bool IsGround(const engine::EngineRef<engine::EngineHit>& hit) {
  return (hit->GetFlags() & engine::EngineEntity::kFlagGround) != 0;
}

}  // namespace

void Unit::MoveToward(const Vector3& point) {
  target = point;
  target.x = std::clamp(target.x, -kBattlefieldEdge, kBattlefieldEdge);
  target.z = std::clamp(target.z, -kBattlefieldEdge, kBattlefieldEdge);
  Vector3 toward(target.x - pos.x, 0.0f, target.z - pos.z);
  // Measured on the ground: a cell's point and the unit stand at slightly different heights.
  if (toward.Length() < kSteerMinimum) return;
  toward.Normalize();
  toward.y += (moveFlags & kMoveOnGround) != 0 ? kClimb : -kClimb;
  vel = toward;
  float heading = std::atan2(vel.x, vel.z) * kDegreesPerRadian + 180.0f;
  // Dragging, the medic walks backwards, facing the casualty he pulls.
  if (IsMedic() && MedicDrag().dragging) heading += 180.0f;
  if (body) body->TurnTo(0, 1, 0, heading);
  arrived = false;
  moveFlags = kMoveWalking;
}

void Unit::SnapToGround() {
  if (!body) return;
  // A casualty lies low: he is lifted first so the test starts above the ground he lies on.
  if (state > 0) body->MoveTo(pos.x, pos.y + 1.0f, pos.z);
  const engine::EngineRef<engine::EngineHit> hit =
      body->TestCollision(pos.x, pos.y - 200.0f, pos.z, 0, kGroundMask, 3, 0, 0);
  if (!hit) {
    SetPosition(pos.x, pos.y + 0.01f, pos.z);
    return;
  }
  const Vector3 ground(hit->GetPoint());
  body->MoveTo(ground.x, ground.y, ground.z);
  if (marker) marker->MoveTo(ground.x, ground.y, ground.z);
  pos = ground;
}

void Unit::Update(int32_t ms) {
  if (stopDelay > 0.0f) {
    stopDelay -= static_cast<float>(ms) / 1000.0f;
    if (stopDelay <= 0.0f) {
      stopDelay = 0.0f;
      StopPreviousAnimation();
    }
  }
  // Computed in floats from the frame's length, so a unit covers the same ground in a second whether
  // the second came as ten frames or sixty.
  const float step = std::min(static_cast<float>(ms) / 100.0f * std::min(curSpeed, kTopRate), kLongestStep);

  if ((moveFlags & kMoveSnapToGround) != 0) {
    moveFlags &= ~kMoveSnapToGround;
    SnapToGround();
  } else if (state != 0) {
    SnapToGround();
  }
  if (state != 0) vel.y = 0.0f;

  if (state == 0 && (!arrived || (moveFlags & kMoveInAir) != 0) && step > 0.0f) Walk(step);

  if (marker) marker->MoveTo(pos.x, pos.y + kPlateAboveGround, pos.z);
}

void Unit::ReplanToTargetCell() {
  FindPath(Nav().NavGrid[targetCell.row][targetCell.column].position);
  MoveToward(CellCentre());
}

void Unit::Walk(float step) {
  if (pathPending == 0) {
    FindPath(IsMedic() ? pos : home);
    MoveToward(CellCentre());
  }
  actionState = 0;
  const Vector3 before = pos;
  Vector3 next = pos + vel * step;
  if (std::fabs(next.x) > kBattlefieldEdge || std::fabs(next.z) > kBattlefieldEdge) {
    next.x = std::clamp(next.x, -kBattlefieldEdge, kBattlefieldEdge);
    next.z = std::clamp(next.z, -kBattlefieldEdge, kBattlefieldEdge);
    ReplanToTargetCell();
  }
  if (!body) return;

  if (marker) marker->MoveTo(next.x, next.y - 4.0f, next.z);
  const engine::EngineRef<engine::EngineHit> obstacle =
      body->TestCollision(next.x, next.y, next.z, 0, kObstacleMask, 3, 0, 0);
  if (obstacle && !IsGround(obstacle)) {
    next.x = before.x;
    next.z = before.z;
    if (vehicleKind == MAN) {
      // A soldier slides along the obstacle's face.
      const Vector3 along = Vector3(obstacle->GetSecondVector()).VectorProduct(Vector3(body->GetUp()));
      next = before + Vector3(along.x, 0.0f, along.z) * step + Vector3(0.0f, 0.0f, 0.01f);
      ReplanToTargetCell();
    } else {
      ResetAction();
      nextShotTime = Clock().gameClock;
    }
  }

  body->MoveTo(next.x, next.y + 20.0f, next.z);
  const engine::EngineRef<engine::EngineHit> ground =
      body->TestCollision(next.x, next.y - 100.0f, next.z, 0, kGroundMask, 2, 0, 0);
  std::fill(std::begin(probeScratch), std::end(probeScratch), 0.0f);
  moveFlags |= kMoveWalking;
  SetAction(IsMedic() && MedicDrag().dragging ? ACTION_DRAG : ACTION_WALK);

  if (!ground) {
    body->MoveTo(next.x, next.y, next.z);
    pos = next;
    SnapToGround();
    moveFlags &= ~kMoveOnGround;
    moveFlags |= kMoveInAir;
  } else {
    Vector3 at(ground->GetPoint());
    if ((moveFlags & kMoveOnGround) != 0 && !IsGround(ground)) {
      at.y += 0.1f;
      if (stuckCount > 0 && ++stuckCount > 3) {
        ReplanToTargetCell();
        stuckCount = 0;
      }
    }
    if (at.y < Ground().groundLevel || at.y < kLowestGround) {
      at.y = kFallbackHeight;
      if (at.x < -70.0f) at.x = before.x;
      if (at.z < -70.0f) at.z = before.z;
    }
    body->MoveTo(at.x, at.y, at.z);
    pos = at;
    if (at.y > kSnapAbove) SnapToGround();
    moveFlags |= kMoveOnGround;
    moveFlags &= ~kMoveInAir;
    vel.y = 0.0f;
  }

  if (std::fabs(target.x - pos.x) < kArrivalWindow && std::fabs(target.z - pos.z) < kArrivalWindow) {
    vel.x = 0.0f;
    vel.z = 0.0f;
    arrived = true;
  }
}

}  // namespace kestrine
