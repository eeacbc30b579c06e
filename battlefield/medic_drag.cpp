#include "battlefield/medic_drag.h"

#include "shell/program_state.h"

namespace kestrine {

MedicDragState medicDragState;
KESTRINE_PROGRAM_STATE(medicDragState);
uint8_t& dragging = medicDragState.dragging;
int32_t& draggedUnit = medicDragState.draggedUnit;

}  // namespace kestrine
