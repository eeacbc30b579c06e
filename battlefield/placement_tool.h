// The developer's placement tool of the overhead view: with the tool on, a digit drops a level object at
// the medic's feet, the arrows pick the object the other keys act on, held keys turn, move and scale it
// by how long they were held (10 degrees, or 1 unit, a second), and '.' writes the mission's layout out
// as source text. The tool is switched on and off with F6 at the developer level.
#pragma once

#include <cstdint>

#include "battlefield/level_objects.h"
#include "shell/vector3.h"

namespace kestrine {

struct PlacementToolState {
  uint8_t objectPlacementOn = 0;
  int32_t selectedObjectIndex = 0;
  float editKeyDownTime = 0.0f;  // game clock (ms) at the last press of a hold key
};
// Written only in placement_tool.cpp, through the operations below; everyone else reads this view.
const PlacementToolState& Placement();

// The tool on or off, as its switch leaves it; the object its keys act on.
void SetPlacementTool(bool on);
void SelectObject(int32_t index);

constexpr int VK_PLACEMENT_TOOL = 0x75;   // F6
constexpr int VK_PLACEMENT_WRITE = 0xBE;  // the full stop: writes the layout

// Adds an object of the digit's type at position (the medic's), shown whatever the view. Nothing happens
// when all 30 records are in use or the key is not a digit.
void PlaceEditorObject(int key, Vector3 position);

// One key event of the overhead view, given to the tool before anything else. Returns true when the key is
// the tool's (the switch at the developer level, or any of its keys while it is on), so the overhead view
// leaves it alone; Left and Right also move the strategy editor's cursor when that is on.
bool PlacementToolKey(int key, bool down, Vector3 medicPosition);

// The object the tool's keys act on: the selection brought back inside the objects in use (a new mission
// may have fewer), or -1 when none is in use.
int32_t SelectedObject();

}  // namespace kestrine
