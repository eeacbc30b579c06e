// The drawer of the patient view that slides up over the tool tray with the drugs, fluids and kit parts
// of one tray tool. The treatment rules close it when a kit's procedure is complete; the view's tray code
// opens, animates and draws it.
#pragma once

#include <cstdint>

namespace kestrine {

enum ToolDrawerState : int32_t {
  DRAWER_CLOSED = 0,
  DRAWER_OPENING = 1,
  DRAWER_OPEN = 2,
  DRAWER_CLOSING = 3,
};

struct ToolDrawer {
  int32_t state = DRAWER_CLOSED;

  // An open drawer starts to slide shut.
  void Close();
};

extern ToolDrawer toolDrawer;

}  // namespace kestrine
