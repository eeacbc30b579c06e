// The tool tray of the patient view: the icons of the carried tools side by side in one strip, a window of
// it shown over the head-up display with each tool's stock under it, scrolled while the pointer rests on
// its arrows.
#pragma once

#include <cstdint>

#include "casualty/tool_table.h"
#include "engine/engine.h"

namespace kestrine {

// The tray's window onto the strip: its left edge in pixels for hit tests, in panel units for drawing,
// and its width.
constexpr int32_t kTrayX = 382;
constexpr int32_t kTrayY = 348;
constexpr int32_t kTrayWindowWidth = 220;
// Pixels of scroll per millisecond the arrows move it.
constexpr double kTrayScrollSpeed = 1.0 / 10.0;

struct ToolTray {
  engine::EngineRef<engine::EngineBitmap> trayStrip;
  int32_t trayWidth = 0;
  int32_t trayCount = 0;
  int32_t trayTool[kToolCount] = {};
  int32_t trayRightEdge[kToolCount] = {};
  // The scroll with its fraction, so slow frames and fast frames scroll alike.
  double exactScroll = 0.0;
};
// The tray as it stands, to look at.
const ToolTray& Tray();

// Whether a row goes into the tray: carried, not the radio, not stocked under another row, not a weapon.
bool IsTrayTool(int32_t row);
// The strip from the carried tools' icons (cut by LoadToolSprites).
void BuildToolTray();
void ReleaseToolTray();
// Empties the hot-spot list, then copies the strip's window at `scroll` and the stock counts onto the text
// overlay.
void DrawToolTray(int32_t scroll);
// The arrows: scroll moves by dt / 10 pixels left (dir < 0) or right, within 0 .. trayWidth - 220.
void ScrollToolTray(int32_t& scroll, int32_t dir, int32_t dt);
// The tray slot under a pointer x (pixels) at `scroll`, -1 for none.
int32_t TraySlotAt(int32_t px, int32_t scroll);

}  // namespace kestrine
