// The developer key sequence of the menu, briefing and debriefing screens. F9 arms it (and disarms it
// again), F10 raises an armed sequence to the developer level, F8 jumps straight to that level (pressed or
// released). At the developer level M moves on to the next mission (after the last training mission, back
// to the first) and shows its number in the corner, W lets the injury picker choose every wound type (or not) and L
// clears the loser ending; E, armed or at the developer level, switches to the other enemy model and disarms. Any other
// key, pressed or released, disarms: a player who types at these screens never arms anything.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kDebugOff = 0;
constexpr int kDebugArmed = 1;
constexpr int kDebugDeveloper = 3;

constexpr int VK_DEV_ARM = 0x78;     // F9
constexpr int VK_DEV_RAISE = 0x79;   // F10
constexpr int VK_DEV_DIRECT = 0x77;  // F8
constexpr int VK_DEV_MISSION = 'M';
constexpr int VK_DEV_WOUNDS = 'W';
constexpr int VK_DEV_LOSER = 'L';
constexpr int VK_DEV_ENEMY = 'E';

// The developer's switches. Written only by the developer keys and the operations below; everyone else
// reads the const view.
struct DeveloperSwitches {
  int32_t debugMode = kDebugOff;  // kDebugOff, kDebugArmed or kDebugDeveloper
  uint8_t woundPickerAll = 0;
  uint8_t altEnemyModel = 0;
};

const DeveloperSwitches& Developer();

// F9: an unarmed sequence armed, anything else off.
void ToggleDebugArmed();
// F10: an armed sequence raised to the developer level.
void RaiseDebugMode();
// F8: straight to the developer level.
void EnterDeveloperLevel();
// The sequence off (start-up, a mission's load, any other key).
void LeaveDebugMode();
// Whether the injury picker offers every wound type.
void SetWoundPickerAll(bool all);
// Whether the enemy soldiers wear the other model.
void SetAltEnemyModel(bool alt);

// One key event of the screens that take developer keys; down is non-zero on press.
void DeveloperKey(int key, int down);

}  // namespace kestrine
