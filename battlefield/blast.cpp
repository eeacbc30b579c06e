#include "battlefield/blast.h"

#include "battlefield/camera_shake.h"
#include "battlefield/spawn_points.h"
#include "battlefield/unit_array.h"
#include "shell/game_state.h"
#include "shell/mission_progress.h"

namespace kestrine {

namespace {

// A unit hit by a blast lets go of whoever it dragged, and is let go of.
void ClearDragLinks(Unit& unit) {
  const int32_t partner = unit.draggedBy;
  if (partner >= 0 && partner < Units().unitCount && partner < kUnitSlotCount && Units().units[partner])
    Units().units[partner]->draggedBy = -1;
  unit.draggedBy = -1;
}

// Runs away from the thrower: as far again beyond where it stands.
void Scatter(Unit& unit, const Vector3& thrower) {
  unit.respawnTime = kScatterRespawnMs - kScatterRespawnPerLevelMs * Campaign().difficulty;
  unit.FindPath(unit.pos + (unit.pos - thrower));
  unit.MoveToward(unit.CellCentre());
  ClearDragLinks(unit);
}

// Out of the fight until its respawn, waiting at a spawn point (where it is, when the mission has none).
void KnockOut(Unit& unit) {
  unit.respawnTime = kKnockOutRespawnMs - kKnockOutRespawnPerLevelMs * Campaign().difficulty;
  if (unit.body) unit.body->SetVisible(0);
  if (unit.marker) unit.marker->SetVisible(0);
  Vector3 spawn;
  if (PickSpawnPoint(spawn)) unit.SetPosition(spawn);
  ClearDragLinks(unit);
  unit.down = true;
}

// Tipped on its side, and out of the mission for good.
void Wreck(Unit& unit) {
  if (!unit.down) {
    if (unit.body) unit.body->Rotate(0, 0, 1, 90, 0);
    if (unit.marker) unit.marker->SetVisible(0);
  }
  unit.respawnTime = kWreckRespawnMs;
  unit.arrived = true;
  unit.down = true;
}

}  // namespace

bool BlastAt(Vector3 point, Vector3 thrower) {
  bool enemyHit = false;
  for (int32_t i = 1; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = Units().units[i].get();
    if (!unit || unit->side != kSideEnemy || unit->down) continue;
    point.y = unit->pos.y;
    const float d = (unit->pos - point).Length();
    if (!(d < kBlastReach)) continue;
    enemyHit = true;
    if (d >= kBlastKnockOut) {
      Scatter(*unit, thrower);
    } else if (unit->vehicleKind == MAN) {
      KnockOut(*unit);
    } else {
      Wreck(*unit);
    }
  }

  Unit* medic = Units().unitCount > 0 ? Units().units[0].get() : nullptr;
  if (!medic) return enemyHit;
  const float d = (medic->pos - point).Length();
  if (d < kBlastKillsMedic) {
    // No developer switch protects him from his own grenade.
    medic->down = true;
    SetGameState(STATE_KIA);
  } else if (d < kBlastShakeReach) {
    StartCameraShake(d / 2.0f);
  }
  return enemyHit;
}

}  // namespace kestrine
