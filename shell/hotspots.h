// The one list of clickable rectangles shared by every 2D screen. A screen empties it, draws its labels and
// registers its buttons in a fixed order; the order of registration is the button's index, which the mouse
// handlers act on.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace kestrine {

enum MenuHotspotKind : uint32_t { HOTSPOT_FREE = 0, HOTSPOT_TEXT_BUTTON = 1, HOTSPOT_RECT = 2 };

struct MenuHotspot {
  uint32_t kind = HOTSPOT_FREE;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // pixels
};

constexpr int kMaxMenuHotspots = 20;

struct MenuHotspotList {
  MenuHotspot entries[kMaxMenuHotspots];
  int32_t count = 0;
};

// Written only by hotspots.cpp, through the functions below; everyone else reads the const view.
struct HotspotState {
  MenuHotspotList MenuHotspots;
  // The entry chosen by the last click test or highlighted by the last hover test; -1 for none. Emptying the
  // list leaves it alone.
  int32_t hotspotIndex = -1;
};

const HotspotState& Hotspots();

void ClearHotspots();
// No entry chosen or highlighted (-1); a screen does this so its next hover or label does not act on the
// entry the last click chose.
void ForgetHotspot();
// The entry chosen as if clicked (a test or benchmark stands in for the click).
void ChooseHotspot(int32_t index);
// Draws `label` centred at the top of the rectangle on `image` (highlighted when it is the hovered entry),
// then registers the rectangle. Values below 1.0 are screen fractions.
void AddMenuButton(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, double width,
                   double height, const std::wstring& label);
// Draws `label` centred at x on the text overlay, then registers a rectangle of the given size centred on
// it. Values below 1.0 are screen fractions.
void AddMenuText(double x, double y, double width, double height, const std::wstring& label);
void AddHotspotRect(int32_t x, int32_t y, int32_t width, int32_t height);
void AddHotspotRectFraction(double x, double y, double width, double height);

// A hit is strictly inside a rectangle (a point on an edge is outside); the first registered entry wins.
// A click plays the click tick; a hover plays the rollover tick only when the highlighted entry changes.
// Both leave -1 in hotspotIndex when nothing is hit.
bool HotspotClick(int32_t x, int32_t y);
bool HotspotHover(int32_t x, int32_t y);

}  // namespace kestrine
