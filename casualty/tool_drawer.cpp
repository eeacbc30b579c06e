// The tool drawer's state.
#include "casualty/tool_drawer.h"

namespace kestrine {

ToolDrawer toolDrawer;

void ToolDrawer::Close() {
  if (state == DRAWER_OPEN) state = DRAWER_CLOSING;
}

}  // namespace kestrine
