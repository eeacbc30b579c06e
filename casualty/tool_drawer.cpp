// The tool drawer's state.
#include "casualty/tool_drawer.h"

#include "shell/program_state.h"

namespace kestrine {

ToolDrawer toolDrawer;
KESTRINE_PROGRAM_STATE(toolDrawer);

void ToolDrawer::Close() {
  if (state == DRAWER_OPEN) state = DRAWER_CLOSING;
}

}  // namespace kestrine
