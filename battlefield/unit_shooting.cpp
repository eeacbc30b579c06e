#include "battlefield/unit_shooting.h"

#include <algorithm>

#include "battlefield/developer_switches.h"
#include "battlefield/line_of_sight.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "shell/engine_setup.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr float kLongestShot = 50.0f;
constexpr float kTargetAimHeight = 2.0f;
constexpr float kShooterAimHeight = 3.0f;
// Shots look for the ground (1) and the level objects (4); units do not block them.
constexpr int kShotSightMask = 5;
// A shot is heard 50 steps quieter for every 90 units away from the medic.
constexpr double kHearingDistance = 90.0;
constexpr double kHearingDrop = 50.0;
constexpr int32_t kHitBelow = 30;
constexpr int32_t kMedicKilledBelow = 7;
constexpr float kPointBlank = 7.0f;
constexpr float kEnemyKilledWithin = 10.0f;
constexpr int32_t kEnemyRespawnMs = 15200;
constexpr int32_t kAllyRespawnMs = 15500;
constexpr int32_t kRespawnPerLevelMs = 3000;
constexpr int32_t kRetreatBelowHealth = 9;

// Neither side fires at men lying wounded, at the downed, or at its own.
bool IsTargetFor(const Unit& shooter, int32_t shooterIndex, int32_t j) {
  if (j == shooterIndex || !IsUnitSlot(j)) return false;
  if (j == 0 && shooter.side == kSideAlly) return false;
  const Unit& other = *Units().units[j];
  return !other.down && other.state < 1 && other.side != shooter.side;
}

// The nearest such unit by the larger of |dx| and |dz| within the range (truncated as it shrinks).
int32_t ChooseTarget(const Unit& shooter, int32_t s, int32_t level) {
  int32_t range = static_cast<int32_t>(level * 10 + 20.0);
  int32_t target = -1;
  for (int32_t j = 0; j < Units().unitCount && j < kUnitSlotCount; ++j) {
    if (!IsTargetFor(shooter, s, j)) continue;
    const float c = shooter.AxisDistanceWithin(Units().units[j]->pos, static_cast<float>(range));
    if (c < static_cast<float>(range)) {
      target = j;
      range = static_cast<int32_t>(c);
    }
  }
  return target;
}

void PlayShot(const Unit& shooter, int32_t pan, int32_t volumeDrop) {
  const int slot = shooter.side == kSideEnemy ? SOUND_ENEMY_FIRE : SOUND_RIFLE;
  if (!Sounds().soundTable.IsLoaded(slot)) return;
  const auto& sound = Sounds().soundTable[slot];
  sound->Stop();
  sound->SetPan(pan);
  sound->SetVolume(Sounds().effectsVolume - Sounds().overheadEffectsOffset - volumeDrop);
  sound->Play(0, 0);
}

// A casualty's dragger lets go of him, and he of the dragger.
void CutDragLinks(Unit& unit) {
  if (unit.draggedBy <= 0) return;
  if (IsUnitSlot(unit.draggedBy)) Units().units[unit.draggedBy]->draggedBy = -1;
  unit.draggedBy = -1;
}

// The medic is hit. Returns true when he died (the mission is gone).
bool HitMedic(Unit& medic, float d, int32_t roll, int32_t pan, int32_t volumeDrop, int32_t level) {
  if (States().gameState == STATE_PATIENT_VIEW && ScreenText().textOverlay) {
    // The screen flashes round its edge.
    ScreenText().textOverlay->SetDrawColor(255, 10, 10);
    OutlineRectOverlay(1.0, 1.0, Engine().screenWidth - 1, Engine().screenHeight - 1);
  }
  if (!((d < kPointBlank || medic.health < level) && roll < kMedicKilledBelow)) {
    HitReactionHook(-pan, volumeDrop);
    return false;
  }
  if (BattleSwitches().invulnerable) return false;
  if (States().gameState == STATE_OVERHEAD) {
    medic.down = true;
    SetGameState(STATE_KIA);
    return true;
  }
  // In the patient view a novice's medic lives through it.
  if (States().gameState == STATE_PATIENT_VIEW && level >= 1) {
    SetGameState(STATE_OVERHEAD);
    if (IsUnitSlot(0)) Units().units[0]->down = true;
    SetGameState(STATE_KIA);
    return true;
  }
  return false;
}

}  // namespace

void HitReactionHook(int32_t pan, int32_t volumeDrop) {
  static_cast<void>(pan);
  static_cast<void>(volumeDrop);
  static_cast<void>(rand() % 13);
}

void UnitShootingTick(int32_t s) {
  if (!IsUnitSlot(s) || !IsUnitSlot(0)) return;
  Unit& shooter = *Units().units[s];
  const int32_t level = std::clamp(Campaign().difficulty, 0, 2);
  const int32_t t = ChooseTarget(shooter, s, level);
  if (t < 0) return;
  Unit& target = *Units().units[t];

  Vector3 tp = target.pos;
  tp.y += kTargetAimHeight;
  Vector3 sp = shooter.pos;
  sp.y += kShooterAimHeight;
  const float d = (sp - tp).Length();
  if (d >= kLongestShot || target.vehicleKind != MAN) return;
  if (LineOfSight(sp, tp, kShotSightMask) == 0) return;

  const Unit& medic = *Units().units[0];
  const double heard = (sp - medic.pos).Length();
  const int32_t pan = static_cast<int32_t>(shooter.pos.x - medic.pos.x);
  const int32_t volumeDrop = static_cast<int32_t>(heard / kHearingDistance * kHearingDrop);
  PlayShot(shooter, pan, volumeDrop);
  shooter.Fire(tp, FIRE_RIFLE);

  const int32_t roll = rand() % ((3 - level) * 100) - static_cast<int32_t>((level + 1) * 80 / (d + 0.001));
  if (roll < kHitBelow) target.health -= 1;

  if (t == 0) {
    HitMedic(target, d, roll, pan, volumeDrop, level);
    return;
  }
  if (target.side == kSideEnemy && (d < kEnemyKilledWithin || target.health < 8 - level)) {
    target.respawnTime = kEnemyRespawnMs - kRespawnPerLevelMs * level;
    target.Kill();
    target.arrived = true;
    CutDragLinks(target);
    return;
  }
  if (target.health < kRetreatBelowHealth) {
    // Falls back: as far again beyond where it stands, away from the shooter.
    target.respawnTime = kAllyRespawnMs - kRespawnPerLevelMs * level;
    SendUnitTo(target, target.pos + (target.pos - shooter.pos));
    CutDragLinks(target);
  } else {
    // Stops where it is and looks again.
    SendUnitTo(target, target.pos);
  }
  HitReactionHook(pan, volumeDrop);
}

}  // namespace kestrine
