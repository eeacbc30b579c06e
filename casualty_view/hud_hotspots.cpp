// The head-up display's hot-spots: positions in the 634 x 455 panel space unless they are pixels.
#include "casualty_view/hud_hotspots.h"

#include "casualty_view/tool_drawer.h"
#include "shell/hotspots.h"
#include "shell/layout.h"

namespace kestrine {

namespace {

struct HotspotPlace {
  int32_t x, y, width, height;
  bool xInPixels;
};

constexpr HotspotPlace kPlaces[HUD_HOTSPOT_COUNT] = {
    {362, 350, 20, 28, false}, {602, 350, 20, 28, false}, {382, 348, 220, 48, true}, {334, 364, 18, 28, false},
    {334, 392, 18, 28, false}, {370, 398, 40, 48, false}, {410, 398, 45, 48, false}, {455, 398, 42, 48, false},
    {0, 0, 0, 0, false},       {352, 312, 70, 16, true},  {30, 342, 50, 50, true},   {450, 312, 50, 16, true},
    {520, 398, 100, 16, true}, {520, 415, 100, 16, true}, {520, 432, 100, 16, true}, {532, 312, 70, 18, true},
};

}  // namespace

HudRect HudHotspotRect(int32_t id) {
  if (id < 0 || id >= HUD_HOTSPOT_COUNT) return {};
  if (id == HUD_TRAY_SLOTS && toolDrawer.IsOpen()) {
    const ToolDrawer& d = toolDrawer;
    return {d.x + kDrawerHitInset, static_cast<int32_t>(d.y), d.picture.width - 2 * kDrawerHitInset, d.picture.height};
  }
  const HotspotPlace& p = kPlaces[id];
  if (p.width == 0) return {};
  return {p.xInPixels ? p.x : PanelX(p.x), PanelY(p.y), p.width, p.height};
}

void RegisterHudHotspots() {
  for (int32_t id = 0; id < HUD_HOTSPOT_COUNT; ++id) {
    const HudRect r = HudHotspotRect(id);
    AddHotspotRect(r.x, r.y, r.width, r.height);
  }
}

int32_t HudHotspotAt(int32_t x, int32_t y) {
  for (int32_t id = 0; id < HUD_HOTSPOT_COUNT; ++id) {
    const HudRect r = HudHotspotRect(id);
    if (x > r.x && x < r.x + r.width && y > r.y && y < r.y + r.height) return id;
  }
  return -1;
}

}  // namespace kestrine
