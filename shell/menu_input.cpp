#include "shell/menu_input.h"

#include "shell/hotspots.h"
#include "shell/text_scroll_box.h"

namespace kestrine {

int32_t PickButton(ButtonRule rule, int32_t x, int32_t y) {
  switch (rule) {
    case ButtonRule::kUnderPointer:
      return HotspotClick(x, y) ? Hotspots().hotspotIndex : -1;
    case ButtonRule::kUnderPointerQuiet:
      return HotspotHover(x, y) ? Hotspots().hotspotIndex : -1;
    case ButtonRule::kLastLit:
      break;
  }
  return Hotspots().hotspotIndex;
}

bool HoverOverTextBoxButtons(int32_t x, int32_t y) {
  if (HotspotHover(x, y)) return true;
  sharedTextBox.autoScrollDown = 0;
  sharedTextBox.autoScrollUp = 0;
  return false;
}

void ScrollWhileOnArrows(bool hit, int32_t upButton, int32_t downButton) {
  sharedTextBox.autoScrollUp = hit && Hotspots().hotspotIndex == upButton ? 1 : 0;
  sharedTextBox.autoScrollDown = hit && Hotspots().hotspotIndex == downButton ? 1 : 0;
}

}  // namespace kestrine
