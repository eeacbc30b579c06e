// The tool tray: built from the backpack when the view is built, drawn each frame.
#include "casualty_view/tool_tray.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "casualty/backpack.h"
#include "casualty_view/tool_images.h"
#include "shell/engine_setup.h"
#include "shell/hotspots.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"

namespace kestrine {

namespace {

ToolTray toolTray;
KESTRINE_PROGRAM_STATE(toolTray);

// The counts: left of each icon's right edge, on one row of the screen.
constexpr int32_t kCountX = 372;
constexpr double kCountY = 0.8263736;
constexpr int kCountSize = 10;

const engine::EngineRef<engine::EngineBitmap>& IconOf(int32_t row) {
  return toolPictures[static_cast<size_t>(row)].sprite;
}

int32_t MaxScroll() { return std::max(0, toolTray.trayWidth - kTrayWindowWidth); }

}  // namespace

const ToolTray& Tray() { return toolTray; }

bool IsTrayTool(int32_t row) {
  if (!IsToolRow(row) || row == TOOL_RADIO) return false;
  const ToolDef& tool = ToolTable[static_cast<size_t>(row)];
  return !tool.HasParent() && Pack().count[row] != 0 && (tool.flags & TOOL_FLAG_NOT_MEDICAL) == 0;
}

void BuildToolTray() {
  ToolTray& tray = toolTray;
  tray = ToolTray{};
  const int32_t rows = std::min<int32_t>(ToolImages().toolCount, kToolCount);
  int32_t x = 0;
  for (int32_t r = 0; r < rows; ++r) {
    if (!IsTrayTool(r)) continue;
    if (IconOf(r)) x += IconOf(r)->GetWidth();
    tray.trayRightEdge[tray.trayCount] = x;
    tray.trayTool[tray.trayCount++] = r;
  }
  tray.trayWidth = x;
  if (x <= 0 || !Engine().engineRoot) return;
  tray.trayStrip = Engine().engineRoot->CreateBitmap(x, kToolIconHeight);
  tray.trayStrip->Clear(0, 0, 0);
  for (int32_t k = 0; k < tray.trayCount; ++k) {
    const auto& icon = IconOf(tray.trayTool[k]);
    if (!icon) continue;
    const int w = icon->GetWidth(), h = icon->GetHeight();
    tray.trayStrip->DrawBitmap(icon, 0, 0, 0, w, h, tray.trayRightEdge[k] - w, 0, w, h);
  }
}

void ReleaseToolTray() { toolTray = ToolTray{}; }

void DrawToolTray(int32_t scroll) {
  ClearHotspots();
  const ToolTray& tray = toolTray;
  if (!ScreenText().textOverlay) return;
  // A strip narrower than the window (an expert's few tools) is copied as far as it goes.
  const int32_t from = std::clamp(scroll, 0, std::max(tray.trayWidth, 0));
  const int32_t width = std::min(kTrayWindowWidth, tray.trayWidth - from);
  if (tray.trayStrip && width > 0) {
    ScreenText().textOverlay->DrawBitmap(tray.trayStrip, 0, from, 0, width, kToolIconHeight, PanelX(kTrayX),
                                         PanelY(kTrayY), PanelX(width), kToolIconHeight);
  }
  for (int32_t k = 0; k < tray.trayCount; ++k) {
    const int32_t x = kCountX - scroll + tray.trayRightEdge[k];
    // Only the counts of icons inside the window: the others would land on the chart and the buttons.
    if (x < kCountX || x >= kTrayX + kTrayWindowWidth) continue;
    DrawScreenText(x, kCountY, std::to_wstring(Pack().count[tray.trayTool[k]]), kCountSize, ALIGN_LEFT, kLabelR,
                   kLabelG, kLabelB, 0, 0);
  }
}

void ScrollToolTray(int32_t& scroll, int32_t dir, int32_t dt) {
  ToolTray& tray = toolTray;
  // The view puts the tray back to its start on entry; the fraction follows.
  if (static_cast<int32_t>(std::floor(tray.exactScroll)) != scroll) tray.exactScroll = scroll;
  const double step = std::max(dt, 0) * kTrayScrollSpeed;
  tray.exactScroll += dir < 0 ? -step : step;
  tray.exactScroll = std::clamp(tray.exactScroll, 0.0, static_cast<double>(MaxScroll()));
  scroll = static_cast<int32_t>(std::floor(tray.exactScroll));
}

int32_t TraySlotAt(int32_t px, int32_t scroll) {
  const int32_t along = px + scroll - kTrayX;
  if (along < 0) return -1;
  for (int32_t k = 0; k < toolTray.trayCount; ++k)
    if (along < toolTray.trayRightEdge[k]) return k;
  return -1;
}

}  // namespace kestrine
