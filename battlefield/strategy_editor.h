// The developer's strategy editor of the overhead view. With it on, the arrows pick the strategy entry the
// keys act on, letter keys step its fields, 'S' stores it where the medic stands (a new entry in placing
// mode, the entry under the cursor in editing mode) and shows its marker, 'W' writes the mission's strategy
// file and 'L' reads it back with every entry's marker; '[' and ']' show and hide the markers.
//
// At the developer level F7 switches the editor on and off and F5 switches between placing and editing.
// While it is on its keys come before the overhead view's own; when the placement tool is on as well, the
// tool keeps 'A', 'V', 'I', 'S' and 'W', and the arrows move both the tool's selection and the cursor.
#pragma once

#include <cstdint>

#include "shell/vector3.h"

namespace kestrine {

struct StrategyEditorState {
  uint8_t strategyEditOn = 0;
  uint8_t strategyEditMode = 0;  // 0 placing (a store appends), 1 editing (a store rewrites the cursor's entry)
};
// Written only in strategy_editor.cpp, through the operations below; everyone else reads this view.
const StrategyEditorState& StrategyEditor();

// Placing (kStrategyPlacing) or editing (kStrategyEditing), as F5 leaves it.
void SetStrategyEditMode(uint8_t mode);

constexpr uint8_t kStrategyPlacing = 0;
constexpr uint8_t kStrategyEditing = 1;

constexpr int VK_STRATEGY_EDITOR = 0x76;  // F7
constexpr int VK_STRATEGY_MODE = 0x74;    // F5
constexpr int VK_STRATEGY_SHOW = 0xDB;    // '['
constexpr int VK_STRATEGY_HIDE = 0xDD;    // ']'

// The highest entry the cursor can stand on: the entry count, but never past the table's last slot.
int32_t LastStrategyCursor();

// The cursor one entry back or on (-1 or +1), wrapping round over 0 .. LastStrategyCursor().
void StepStrategyCursor(int step);

// 'S': stores the entry at `where` and builds its marker. Nothing while 34 or more entries are in use (the
// table's last slot stays free). In placing mode the entry after the last one in use is stored and
// counted, unless its type has no marker (the next store then takes the same slot).
void StoreStrategyEntry(const Vector3& where);

// 'L': reads the mission's strategy file afresh and builds every entry's marker (the cursor ends on the last
// entry). Without a file the table is left empty with the cursor on 0.
void ReloadStrategy();

// One key event of the overhead view, given to the editor first. True when the key is the editor's (its
// switches at the developer level, or any of its keys while it is on), so the view leaves it alone.
bool StrategyEditorKey(int key, bool down);

}  // namespace kestrine
