// The sixteen clickable places of the patient view's head-up display, registered each frame in id order
// (the order is the id the mouse handler acts on).
#pragma once

#include <cstdint>

namespace kestrine {

enum HudHotspot : int32_t {
  HUD_TRAY_LEFT = 0,
  HUD_TRAY_RIGHT = 1,
  HUD_TRAY_SLOTS = 2,  // or the drawer's slots while it is open
  HUD_CHART_UP = 3,
  HUD_CHART_DOWN = 4,
  HUD_PISTOL = 5,
  HUD_RIFLE = 6,
  HUD_GRENADE = 7,
  HUD_UNUSED = 8,
  HUD_ROLL_OVER = 9,
  HUD_BACK = 10,
  HUD_HINT = 11,
  HUD_READY_FOR_EVAC = 12,
  HUD_RETURN_TO_ACTION = 13,
  HUD_CALL_FOR_SUPPORT = 14,
  HUD_OVERHEAD = 15,
  HUD_HOTSPOT_COUNT = 16,
};

struct HudRect {
  int32_t x = 0, y = 0, width = 0, height = 0;  // pixels
};

// Where a hot-spot lies now on the screen (the tray's follows the drawer while it is open).
HudRect HudHotspotRect(int32_t id);
// Registers all sixteen in order after the tray emptied the list.
void RegisterHudHotspots();
// The first hot-spot strictly containing the point, -1 none: the same rule as the shared list.
int32_t HudHotspotAt(int32_t x, int32_t y);

}  // namespace kestrine
