// The overhead view's clickable regions, registered in a fixed order so that each one's index in the shared
// hot-spot list is its button id. The two casualty buttons are there only while the medic stands within reach
// of the nearest casualty; in their place an empty rectangle keeps the other ids where they are.
#pragma once

#include <cstdint>

namespace kestrine {

enum OverheadHotspotId : int32_t {
  OVERHEAD_VIEW_PATIENT = 0,
  OVERHEAD_DRAG_PATIENT = 1,
  OVERHEAD_PISTOL = 2,
  OVERHEAD_RIFLE = 3,
  OVERHEAD_GRENADE = 4,
  OVERHEAD_MENU = 5,
  OVERHEAD_SUPPORT = 6,
  OVERHEAD_MINI_MAP = 7,
  OVERHEAD_MOVE_TEAM = 8,
};
constexpr int kOverheadHotspotCount = 9;

// The medic reaches a casualty closer than this (|dx| + |dy| + |dz|).
constexpr double kCasualtyReach = 7.0;

struct HotspotBox {
  int32_t x, y, width, height;  // pixels
};

// Where button `id` lies on a screen of the current size (the mini-map at its pixel corner, the others
// placed in the display's 634 x 455 layout, their sizes in pixels).
HotspotBox OverheadHotspotBox(int32_t id);

// The nine regions, ids 0..8, in place of whatever the list held.
void SetOverheadHotspots();

}  // namespace kestrine
