#include "casualty_view/tool_reach.h"

#include "casualty/body_parts.h"
#include "casualty/tool_table.h"

namespace kestrine {

bool PatientHasInjuryAt(int32_t tool, int32_t part) {
  if (!IsToolRow(tool) || !IsBodyPart(part)) return false;
  return (ToolTable[tool].flags & TOOL_FLAG_LOCATIONS & kBodyParts[part].mask) != 0;
}

}  // namespace kestrine
