#include "battlefield/player_fire.h"

#include "battlefield/battle_state.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "battlefield/unit_shooting.h"
#include "shell/events.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/random.h"

namespace kestrine {

namespace {

constexpr float kShotReach = 7.0f;
constexpr float kGrazed = 4.0f;         // nearer than this the enemy may go down
constexpr float kMedicCloseBy = 17.0f;  // an enemy this close to the medic goes down at once
constexpr float kFriendHit = 2.0f;
constexpr int32_t kFriendlyShotsAllowed = 5;
constexpr MissionEnd kFriendlyFireEnd = END_FRIENDLY_FIRE;
constexpr int32_t kRunsBelowHealth = 8;
constexpr int32_t kWaiting = 1;

void CutDragLinks(Unit& unit) {
  if (IsUnitSlot(unit.draggedBy)) Units().units[unit.draggedBy]->draggedBy = -1;
  unit.draggedBy = -1;
}

// Knocked down for a while; true when he let go of a casualty (and nothing more happens to him).
bool KnockDown(Unit& enemy, int32_t respawnMs) {
  enemy.respawnTime = respawnMs;
  enemy.Kill();
  enemy.down = true;
  if (enemy.draggedBy <= 0) return false;
  CutDragLinks(enemy);
  return true;
}

// Returns true when the enemy's hit is over (the next unit is looked at).
bool EnemyHit(Unit& enemy, float d, const Unit& medic) {
  enemy.health -= 1;
  ClearFriendlyFire();
  if (d >= kGrazed) {
    if (enemy.health < kRunsBelowHealth) {
      enemy.respawnTime = 21000 - 3000 * Campaign().difficulty;
      SendUnitTo(enemy, enemy.pos + (enemy.pos - medic.pos));
      CutDragLinks(enemy);
    } else {
      SendUnitTo(enemy, enemy.pos);
      enemy.ResetAction();
      enemy.alert = 1;
      enemy.nextShotTime = Clock().gameClock;
      enemy.targetUnit = 0;
      enemy.SetAction(ACTION_HURT);
    }
    return false;
  }
  if ((enemy.pos - medic.pos).Length() < kMedicCloseBy && KnockDown(enemy, 20700 - 5000 * Campaign().difficulty))
    return true;
  const int32_t spread = 5 * Campaign().difficulty + 30;
  if (enemy.health < 8 - Campaign().difficulty && spread > 0 && rand() % spread < 30 - Campaign().difficulty)
    return KnockDown(enemy, 17700 - 4000 * Campaign().difficulty);
  return false;
}

}  // namespace

void PlayerShotLanded(const Vector3& impact) {
  if (!IsUnitSlot(0)) return;
  const Unit& medic = *Units().units[0];
  for (int32_t i = 1; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    if (!Units().units[i] || Units().units[i]->down) continue;
    Unit& unit = *Units().units[i];
    const float d = (unit.pos - impact).Length();
    if (d >= kShotReach) continue;
    if (unit.side == kSideEnemy && unit.state != kWaiting) {
      if (EnemyHit(unit, d, medic)) continue;
      HitReactionHook(static_cast<int32_t>(unit.pos.x - medic.pos.x), static_cast<int32_t>(d / 170.0 * 100.0));
    } else if (unit.side != kSideEnemy && d < kFriendHit) {
      if (CountFriendlyFire() > kFriendlyShotsAllowed) EndMission(kFriendlyFireEnd);
    }
  }
}

}  // namespace kestrine
