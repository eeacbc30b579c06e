// Small questions every reader of the step lists asks.
#include "casualty/wound_types.h"

#include "casualty/tool_table.h"

namespace kestrine {

bool IsTrackedTool(int32_t tool) { return IsToolRow(tool) && (kToolData[tool].flags & TOOL_FLAG_EXAM) != 0; }

int StepListLength(const StepList* list) {
  int length = 0;
  for (const TreatmentStep* step = list; !IsListEnd(step); ++step) ++length;
  return length;
}

const TreatmentStep* StepListEnd(const StepList* list) {
  if (list == nullptr) return nullptr;
  return list + StepListLength(list);
}

}  // namespace kestrine
