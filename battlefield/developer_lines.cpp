#include "battlefield/developer_lines.h"

#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

DeveloperLinesState developerLinesState;
KESTRINE_PROGRAM_STATE(developerLinesState);

}  // namespace

void EraseDeveloperLines() {
  DeveloperLinesState& s = developerLinesState;
  for (int32_t i = 0; i < s.count && i < kDeveloperLineCapacity; ++i) {
    const HudBox& box = s.boxes[i];
    RestoreHudStrip(box.x, box.y, box.width, box.height);
  }
  s.count = 0;
}

void DeveloperLine(double x, double y, const std::wstring& text, int size) {
  if (!ScreenText().textOverlay) return;
  DrawScreenText(x, y, text, size, ALIGN_LEFT, 255, 255, 0, 1, 0);
  DeveloperLinesState& s = developerLinesState;
  if (s.count < kDeveloperLineCapacity)
    s.boxes[s.count++] = HudTextBox(PixelX(x), PixelY(y), text, size, ALIGN_LEFT, 1, 0);
}

}  // namespace kestrine
