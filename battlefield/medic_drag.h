// The medic dragging a casualty: set and cleared by the overhead input, read by the medic's walk (he
// walks backwards, slower, in the dragging pose).
#pragma once

#include <cstdint>

namespace kestrine {

struct MedicDragState {
  uint8_t dragging = 0;
  // The unit being dragged (0 = none).
  int32_t draggedUnit = 0;
};
// Written only in medic_drag.cpp, through the operations below; everyone else reads this view.
const MedicDragState& MedicDrag();

// The medic takes hold of `unit` and drags him; lets go.
void StartDrag(int32_t unit);
void StopDrag();

}  // namespace kestrine
