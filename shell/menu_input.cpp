#include "shell/menu_input.h"

#include "shell/hotspots.h"
#include "shell/text_scroll_box.h"

namespace kestrine {

int32_t ButtonByClick(int32_t x, int32_t y) { return HotspotClick(x, y) ? Hotspots().hotspotIndex : -1; }

int32_t ButtonByHover(int32_t x, int32_t y) { return HotspotHover(x, y) ? Hotspots().hotspotIndex : -1; }

int32_t ButtonLastHovered() { return Hotspots().hotspotIndex; }

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
