#include "battlefield/overhead_keys.h"

#include "battlefield/developer_switches.h"
#include "battlefield/medic_drag.h"
#include "battlefield/overhead_input.h"
#include "battlefield/overhead_mouse.h"
#include "battlefield/placement_tool.h"
#include "battlefield/strategy_editor.h"
#include "battlefield/unit_array.h"
#include "battlefield/unit_orders.h"
#include "battlefield/view_preset.h"
#include "casualty/backpack.h"
#include "shell/developer_keys.h"
#include "shell/game_state.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kWaiting = 1;
constexpr int32_t kReadied = 2;
constexpr int32_t kCheatGrenades = 10;
constexpr int32_t kCheatRifleRounds = 300;
constexpr int32_t kAlmostOutOfTime = 1001;

// The arming sequence; true when the key was one of it.
bool ArmingKey(int key, bool down) {
  if (key == VK_DEV_DIRECT) {
    EnterDeveloperLevel();
    return true;
  }
  if (key == VK_DEV_ARM) {
    if (down) ToggleDebugArmed();
    return true;
  }
  if (key == VK_DEV_RAISE) {
    if (down) RaiseDebugMode();
    return true;
  }
  return false;
}

void ReadyFirstWaiting() {
  for (int32_t i = Units().firstPatientUnit; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    if (!Units().units[i] || Units().units[i]->state != kWaiting) continue;
    Units().units[i]->state = kReadied;
    return;
  }
}

void FullScore(bool half) {
  const int32_t maximum = Progress().missionMaximum;
  if (maximum > 0 && !half) {
    SetMissionScore(maximum, maximum);
  } else if (maximum <= 0) {
    SetMissionScore(half ? 45 : 100, 100);
  }
}

// A cheat's key; true when it was one.
bool CheatKey(int key) {
  switch (key) {
    case 'V':
      OpenNearestCasualty(false);
      return true;
    case 'E':
      EndMission(END_EVACUATED);
      SetGameState(STATE_DEBRIEFING);
      return true;
    case 'K':
      SetGameState(STATE_KIA);
      return true;
    case 'D':
      ChooseDifficulty((Campaign().difficulty + 1) % 3);
      return true;
    case 'G':
      if (!MedicDrag().dragging) StartDragging();
      return true;
    case 'I':
      ToggleInvulnerable();
      return true;
    case 'U':
      ToggleUnlimitedAmmo();
      SetToolCount(0, kCheatGrenades);
      return true;
    case 'F':
      ToggleClockFrozen();
      return true;
    case 'T':
      SetMissionClock(kAlmostOutOfTime);
      return true;
    case 'A':
      SetToolCount(1, kCheatRifleRounds);
      return true;
    case 'X':
      ReadyFirstWaiting();
      return true;
    case 'P':
      ToggleTeleportMove();
      return true;
    case 'L':
      ToggleShowLocation();
      return true;
    case 'S':
    case 'H':
      FullScore(key == 'H');
      return true;
    case 'N':
      AskForGridLinks();
      return true;
    case 'Z':
      SetViewPreset(1);
      ApplyViewPreset();
      UpdateMusicVolume();
      return true;
    default:
      return false;
  }
}

void NextWeapon() {
  if (!IsUnitSlot(0)) return;
  int32_t& weapon = Units().units[0]->weapon;
  // Rifle to pistol to grenades to rifle.
  weapon = weapon == WEAPON_PISTOL ? WEAPON_GRENADE : weapon == WEAPON_RIFLE ? WEAPON_PISTOL : WEAPON_RIFLE;
}

void LetGo() {
  if (!MedicDrag().dragging && Developer().debugMode == kDebugDeveloper) {
    StartDragging();
    return;
  }
  // The casualty actually being dragged lets go (he may no longer be the nearest one).
  if (IsUnitSlot(MedicDrag().draggedUnit)) Units().units[MedicDrag().draggedUnit]->draggedBy = -1;
  StopDrag();
}

}  // namespace

void OverheadKey(int key, bool down) {
  if (ArmingKey(key, down)) return;
  const Vector3 at = IsUnitSlot(0) ? Units().units[0]->pos : Vector3();
  if (StrategyEditorKey(key, down)) {
    // The arrows move the placement tool's selection as well as the editor's cursor.
    if (key == VK_LEFT || key == VK_RIGHT) PlacementToolKey(key, down, at);
    return;
  }
  if (Developer().debugMode == kDebugDeveloper) {
    if (PlacementToolKey(key, down, at)) return;
    if (down && key != 'C' && CheatKey(key)) return;
  }
  if (key == VK_ESCAPE) {
    SetGameState(STATE_PAUSE_MENU);
    return;
  }
  if (!down) return;
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      CycleViewPreset();
      break;
    case 'R':
      NextWeapon();
      break;
    case 'C':
      LetGo();
      break;
    default:
      break;
  }
}

}  // namespace kestrine
