#include "battlefield/overhead_mouse.h"

#include <algorithm>

#include "battlefield/battle_state.h"
#include "battlefield/hud_text.h"
#include "battlefield/medic_drag.h"
#include "battlefield/medic_weapon.h"
#include "battlefield/mini_map.h"
#include "battlefield/mission_state.h"
#include "battlefield/nav_grid.h"
#include "battlefield/nearest_casualty.h"
#include "battlefield/overhead_hotspots.h"
#include "battlefield/overhead_hud.h"
#include "battlefield/overhead_input.h"
#include "battlefield/overhead_leave.h"
#include "battlefield/path_search.h"
#include "battlefield/player_fire.h"
#include "battlefield/strategy_table.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "casualty/backpack.h"
#include "casualty/casualty_queries.h"
#include "casualty/casualty_slots.h"
#include "casualty_view/surroundings_kinds.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/game_state.h"
#include "shell/hotspots.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

OverheadInputState overheadInputState;
KESTRINE_PROGRAM_STATE(overheadInputState);

}  // namespace

const OverheadInputState& OverheadInput() { return overheadInputState; }

void ToggleUnlimitedAmmo() { overheadInputState.unlimitedAmmo = overheadInputState.unlimitedAmmo ? 0 : 1; }

void ToggleTeleportMove() { overheadInputState.teleportMove = overheadInputState.teleportMove ? 0 : 1; }

namespace {

constexpr int32_t kWaiting = 1;
constexpr int32_t kReadied = 2;
constexpr int32_t kDelivered = 3;
constexpr int32_t kHeldBack = 5;
constexpr int32_t kLastPatientLocation = 6;
constexpr double kNoPathYet = 1000.0;
constexpr float kDeliveredWithin = 12.0f;
constexpr int32_t kClipChangeMs = 1000;
constexpr int32_t kRoundsPerClip = 30;
constexpr int32_t kRoundsPerBurst = 3;
constexpr int32_t kPatientViewEffectsOffset = 30;
constexpr int32_t kFullHealth = 10;

enum BackpackAmmo { AMMO_GRENADES = 0, AMMO_RIFLE = 1, AMMO_PISTOL = 2 };

bool HaveMedic() { return IsUnitSlot(0); }

engine::EngineRef<engine::EngineHit> PickAt(int32_t x, int32_t y) {
  if (!Engine().engineRoot || !Engine().engineCamera) return {};
  const int sx = (Engine().engineRoot->GetScreenWidth() - 640) / 2 + x;
  const int sy = (Engine().engineRoot->GetScreenHeight() - 480) / 2 + y;
  return Engine().engineCamera->Pick(sx, sy);
}

// The medic stands still on the centre of his cell, his walk forgotten.
void StopMedic() {
  Unit& medic = *Units().units[0];
  medic.ResetAction();
  medic.FindPath(medic.pos);
  medic.MoveToward(medic.CellCentre());
  medic.ResetAction();
}

// Both ends of a drag let go of each other.
void CutDragLinks(Unit& unit) {
  if (IsUnitSlot(unit.draggedBy) && Units().units[unit.draggedBy]->draggedBy >= 0)
    Units().units[unit.draggedBy]->draggedBy = -1;
  unit.draggedBy = -1;
}

void EndDrag() {
  if (IsUnitSlot(MedicDrag().draggedUnit)) Units().units[MedicDrag().draggedUnit]->draggedBy = -1;
  StopDrag();
}

void ChooseWeapon(int32_t weapon) {
  ArmMedic(weapon);
  DrawWeaponPanel();
}

void CallForSupport() {
  PlayEffect(SOUND_RADIO_ON);
  SendSupportToMedic();
  PlayEffect(30 + rand() % 3);
}

void MoveTeamPressed() {
  if (!overheadInputState.teamPlacement && missionState.teamLeader > 0) {
    if (ScreenText().textOverlay)
      DrawTextOnImage(ScreenText().textOverlay, Engine().screenWidth * 400 / 640, Engine().screenHeight * 355 / 480,
                      L"Right-click to select location to deploy team", 11, ALIGN_CENTRE, 10, 250, 10, 1, 0);
    CutSupportCallShort();
    overheadInputState.teamPlacement = 1;
  } else {
    ClearTeamMessage();
    overheadInputState.teamPlacement = 0;
  }
}

// The support team's leader is sent to hold `target`, dragging back any casualty he finds.
void PlaceTeam(const Vector3& target) {
  const int32_t leader = missionState.teamLeader;
  if (IsUnitSlot(leader)) {
    Unit& unit = *Units().units[leader];
    // He holds the place he was sent to, not the one his orders first gave him.
    unit.home = target;
    unit.orders = ORDERS_DEFENDNDRAG;
    SendUnitTo(unit, target);
    CutDragLinks(unit);
    unit.health = kFullHealth;
  }
  ClearTeamMessage();
  overheadInputState.teamPlacement = 0;
}

void WalkMedicTo(const Vector3& target) {
  Unit& medic = *Units().units[0];
  if (OverheadInput().teleportMove) {
    medic.SetPosition(target.x, medic.pos.y, target.z);
    medic.SnapToGround();
  }
  SendUnitTo(medic, target);
}

void Fire(int32_t x, int32_t y) {
  Unit& medic = *Units().units[0];
  if (!(medic.nextShotTime < Clock().gameClock)) return;
  const engine::EngineRef<engine::EngineHit> hit = PickAt(x, y);
  if (!hit) return;
  const Vector3 target(hit->GetPoint());
  const bool unlimited = OverheadInput().unlimitedAmmo != 0;
  const int32_t* count = Pack().count;
  Vector3 impact;
  switch (medic.weapon) {
    case WEAPON_PISTOL:
      if (count[AMMO_PISTOL] <= 0 && !unlimited) return;
      impact = medic.Fire(target, FIRE_PISTOL);
      TakeOneFromPack(AMMO_PISTOL);
      break;
    case WEAPON_RIFLE:
      if (count[AMMO_RIFLE] <= 0 && !unlimited) return;
      // A burst of three, the count landing on a whole number of bursts.
      SetToolCount(AMMO_RIFLE, std::max(count[AMMO_RIFLE] - 1, 0) / kRoundsPerBurst * kRoundsPerBurst);
      // The shot goes before the clip change holds the next one back.
      impact = medic.Fire(target, FIRE_RIFLE);
      if (count[AMMO_RIFLE] % kRoundsPerClip == 0) {
        PlayEffect(SOUND_CLIP);
        medic.nextShotTime = Clock().gameClock + kClipChangeMs;
      }
      break;
    case WEAPON_GRENADE:
      if (count[AMMO_GRENADES] <= 0 && !unlimited) return;
      TakeOneFromPack(AMMO_GRENADES);
      medic.SetAction(ACTION_THROW);
      medic.Fire(target, FIRE_GRENADE);
      break;
    default:
      return;
  }
  if (MedicDrag().dragging && MedicDrag().draggedUnit) EndDrag();
  // A grenade does its harm where it blows up, later.
  if (medic.weapon != WEAPON_GRENADE) PlayerShotLanded(impact);
}

void LeftClick(int32_t x, int32_t y) {
  if (HotspotClick(x, y)) {
    PressOverheadButton(Hotspots().hotspotIndex);
    return;
  }
  Fire(x, y);
}

void RightClick(int32_t x, int32_t y) {
  Vector3 target;
  if (HotspotClick(x, y)) {
    if (Hotspots().hotspotIndex != OVERHEAD_MINI_MAP) return;
    target = MiniMapToWorld(x, y);
  } else {
    const engine::EngineRef<engine::EngineHit> hit = PickAt(x, y);
    if (!hit) return;
    target = Vector3(hit->GetPoint());
    // The ground walk keeps to the battlefield.
    target.x = std::clamp(target.x, -80.0f, 80.0f);
    target.z = std::clamp(target.z, -80.0f, 80.0f);
  }
  if (overheadInputState.teamPlacement) {
    PlaceTeam(target);
  } else {
    WalkMedicTo(target);
  }
}

}  // namespace

void ClearTeamMessage() {
  RestoreHudStrip(Engine().screenWidth * 200 / 640, Engine().screenHeight * 355 / 480, 420, 20);
}

int32_t ChoosePatientLocation(const Vector3& where) {
  const CellIndex from = CellAt(where);
  PathTable table;
  double best = kNoPathYet;
  int32_t chosen = 0;
  for (int32_t e = 0, k = 0; e < kStrategyEntryCount; ++e) {
    const StrategyEntry& entry = StrategyTable().strategy[e];
    if (entry.injury <= 0) continue;
    FindPath(Nav().NavGrid, table, from, CellAt(entry.pos));
    const PathEntry& start =
        table[std::clamp(from.row, 0, kNavGridSize - 1)][std::clamp(from.column, 0, kNavGridSize - 1)];
    // A place he cannot be walked to has no cost at all in the table; it is never the nearest.
    if (start.state != PATH_UNVISITED && start.cost < best) {
      best = start.cost;
      chosen = k;
    }
    ++k;
  }
  return std::min(chosen, kLastPatientLocation);
}

void OpenNearestCasualty(bool checkState) {
  Unit* casualty = NearestCasualty();
  if (!casualty || !HaveMedic()) return;
  if (checkState && casualty->state >= kReadied && casualty->state <= kHeldBack) return;
  const int32_t slot = NearestCasualtySlot();
  const int32_t k = ChoosePatientLocation(casualty->pos);
  casualty->patientLoc = k;
  SetCurrentCasualtyIndex(slot);
  if (HasCasualty(slot)) {
    SetCurrentPatient(Slots().casualties[slot].get());
    Slots().currentPatient->surroundingsKind = SurroundingsKindFor(Campaign().missionNumber, k);
  }
  // The patient view's entry lies with casualty care, which cannot reach back into the battlefield: the
  // overhead view lets go of its screen first.
  LeaveOverhead();
  SetGameState(STATE_PATIENT_VIEW);
  SetOverheadOffsets(kPatientViewEffectsOffset, 0);
  if (!HaveMedic()) return;
  StopMedic();
  if (MedicDrag().dragging) EndDrag();
}

void StartDragging() {
  Unit* casualty = NearestCasualty();
  if (!casualty || !HaveMedic()) return;
  const int32_t slot = NearestCasualtySlot();
  if (!IsCasualtyMovable(slot)) return;
  Units().units[0]->SetAction(ACTION_DRAG);
  StartDrag(Battle().nearestPatientUnit);
  casualty->draggedBy = 0;
  MarkCasualtyDragged(slot);
}

void DropCasualty() {
  if (IsUnitSlot(MedicDrag().draggedUnit)) {
    Unit& casualty = *Units().units[MedicDrag().draggedUnit];
    if ((casualty.pos - Battle().evacuationPoint).Length() < kDeliveredWithin && casualty.state == kReadied)
      casualty.state = kDelivered;
  }
  EndDrag();
}

void PressOverheadButton(int32_t id) {
  if (!HaveMedic()) return;
  switch (id) {
    case OVERHEAD_VIEW_PATIENT:
      OpenNearestCasualty(true);
      break;
    case OVERHEAD_DRAG_PATIENT:
      if (MedicDrag().dragging) {
        DropCasualty();
      } else {
        StartDragging();
      }
      break;
    case OVERHEAD_PISTOL:
    case OVERHEAD_RIFLE:
    case OVERHEAD_GRENADE:
      ChooseWeapon(id - OVERHEAD_PISTOL);
      break;
    case OVERHEAD_MENU:
      SetGameState(STATE_PAUSE_MENU);
      break;
    case OVERHEAD_SUPPORT:
      CallForSupport();
      break;
    case OVERHEAD_MOVE_TEAM:
      MoveTeamPressed();
      break;
    default:
      break;
  }
}

bool OverheadMouse(int code, int32_t x, int32_t y) {
  if (!HaveMedic()) return true;
  if (code == engine::kMouseLeftUp) {
    LeftClick(x, y);
  } else if (code == engine::kMouseRightUp) {
    RightClick(x, y);
  }
  return true;
}

}  // namespace kestrine
