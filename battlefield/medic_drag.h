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
extern MedicDragState medicDragState;
extern uint8_t& dragging;
extern int32_t& draggedUnit;

}  // namespace kestrine
