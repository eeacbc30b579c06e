// The tool cursor: the tool's cursor picture drawn on the text overlay at its offset from the pointer.
#include "casualty_view/tool_cursor.h"

#include <algorithm>

#include "casualty/tool_table.h"
#include "casualty_view/tool_images.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

constexpr int32_t kMaxCursorSide = 150;
constexpr int32_t kCrossHalf = 50;

}  // namespace

CursorSize CursorDrawSize(int32_t width, int32_t height) {
  while (width > kMaxCursorSide && height > kMaxCursorSide) {
    width /= 2;
    height /= 2;
  }
  return {width, height};
}

int32_t ClampCursorAxis(int32_t pointer, int32_t offset, int32_t size, int32_t screen) {
  pointer = std::min(pointer, screen - offset - size);
  return std::max(pointer, -offset);
}

void DrawToolCursor(int32_t tool, int32_t pointerX, int32_t pointerY) {
  if (!IsToolRow(tool) || !ScreenText().textOverlay) return;
  const ToolDef& def = ToolTable[static_cast<size_t>(tool)];
  const engine::EngineRef<engine::EngineBitmap>& cursorImage = toolPictures[static_cast<size_t>(tool)].cursorImage;
  int32_t px = pointerX, py = pointerY;
  // Some tools (the bags, the fluids) have no cursor picture of their own: only the cross-hair shows.
  if (cursorImage) {
    const CursorSize size = CursorDrawSize(cursorImage->GetWidth(), cursorImage->GetHeight());
    px = ClampCursorAxis(px, def.cursorOffsetX, size.width, Engine().screenWidth);
    py = ClampCursorAxis(py, def.cursorOffsetY, size.height, Engine().screenHeight);
    ScreenText().textOverlay->DrawBitmap(cursorImage, 0, 0, 0, cursorImage->GetWidth(), cursorImage->GetHeight(),
                                         px + def.cursorOffsetX, py + def.cursorOffsetY, size.width, size.height);
  }
  ScreenText().textOverlay->SetDrawColor(255, 255, 255);
  ScreenText().textOverlay->DrawLine(px - kCrossHalf, py, px + kCrossHalf, py);
  ScreenText().textOverlay->DrawLine(px, py - kCrossHalf, px, py + kCrossHalf);
}

}  // namespace kestrine
