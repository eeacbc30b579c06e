#include "battlefield/medic_drag.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

MedicDragState medicDragState;
KESTRINE_PROGRAM_STATE(medicDragState);

}  // namespace

const MedicDragState& MedicDrag() { return medicDragState; }

void StartDrag(int32_t unit) {
  medicDragState.dragging = 1;
  medicDragState.draggedUnit = unit;
}

void StopDrag() {
  medicDragState.dragging = 0;
  medicDragState.draggedUnit = 0;
}

}  // namespace kestrine
