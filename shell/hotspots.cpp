#include "shell/hotspots.h"

#include <string>

#include "shell/engine_setup.h"
#include "shell/layout.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

HotspotState hotspotState;
KESTRINE_PROGRAM_STATE(hotspotState);

}  // namespace

const HotspotState& Hotspots() { return hotspotState; }

void ForgetHotspot() { hotspotState.hotspotIndex = -1; }

void ChooseHotspot(int32_t index) { hotspotState.hotspotIndex = index; }

namespace {

constexpr int kHighlightR = 255, kHighlightG = 226, kHighlightB = 73;
constexpr int kPlainR = kLabelR, kPlainG = kLabelG, kPlainB = kLabelB;

void AddEntry(uint32_t kind, double x0, double y0, double x1, double y1) {
  if (hotspotState.MenuHotspots.count < 0) hotspotState.MenuHotspots.count = 0;
  if (hotspotState.MenuHotspots.count >= kMaxMenuHotspots) {
    // A screen with more buttons than the list holds is a layout mistake; say so rather than write past
    // the list. The button is drawn but cannot be clicked.
    if (Engine().engineRoot) {
      Engine().engineRoot->DebugPrint("hot-spot list full: entry " + std::to_string(hotspotState.MenuHotspots.count) +
                             " refused");
    }
    return;
  }
  MenuHotspot& entry = hotspotState.MenuHotspots.entries[hotspotState.MenuHotspots.count++];
  entry.kind = kind;
  entry.x0 = x0;
  entry.y0 = y0;
  entry.x1 = x1;
  entry.y1 = y1;
}

// The label of the button about to be registered is highlighted when the pointer rests on it.
bool NextEntryHighlighted() { return hotspotState.hotspotIndex == hotspotState.MenuHotspots.count; }

int HitEntry(int32_t x, int32_t y) {
  for (int i = 0; i < hotspotState.MenuHotspots.count && i < kMaxMenuHotspots; ++i) {
    const MenuHotspot& e = hotspotState.MenuHotspots.entries[i];
    if (e.kind == HOTSPOT_FREE) continue;
    if (e.x0 < x && x < e.x1 && e.y0 < y && y < e.y1) return i;
  }
  return -1;
}

}  // namespace

void ClearHotspots() {
  for (MenuHotspot& entry : hotspotState.MenuHotspots.entries) entry.kind = HOTSPOT_FREE;
  hotspotState.MenuHotspots.count = 0;
}

void AddMenuButton(const engine::EngineRef<engine::EngineBitmap>& image, double x, double y, double width,
                   double height, const std::wstring& label) {
  // Kept in real pixels until drawn, so a button laid out in fractions lands where its fractions say.
  const double left = ScreenX(x), top = ScreenY(y), w = ScreenX(width), h = ScreenY(height);
  const bool lit = NextEntryHighlighted();
  DrawTextAtPixel(image, TruncatePixels(left + w / 2), TruncatePixels(top), label, 11, ALIGN_CENTRE,
                  lit ? kHighlightR : kPlainR, lit ? kHighlightG : kPlainG, lit ? kHighlightB : kPlainB, 1, 0);
  AddEntry(HOTSPOT_TEXT_BUTTON, left, top, left + w, top + h);
}

void AddMenuText(double x, double y, double width, double height, const std::wstring& label) {
  const double centre = ScreenX(x), top = ScreenY(y), w = ScreenX(width), h = ScreenY(height);
  const bool lit = NextEntryHighlighted();
  DrawTextAtPixel(ScreenText().textOverlay, TruncatePixels(centre), TruncatePixels(top), label, 14, ALIGN_CENTRE,
                  lit ? kHighlightR : kPlainR, lit ? kHighlightG : kPlainG, lit ? kHighlightB : kPlainB, 0, 0);
  // The label is centred on x, so its clickable rectangle is centred there too.
  const double left = centre - w / 2;
  AddEntry(HOTSPOT_TEXT_BUTTON, left, top, left + w, top + h);
}

void AddHotspotRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  AddEntry(HOTSPOT_RECT, x, y, static_cast<double>(x) + width, static_cast<double>(y) + height);
}

void AddHotspotRectFraction(double x, double y, double width, double height) {
  const double left = ScreenX(x), top = ScreenY(y);
  AddEntry(HOTSPOT_RECT, left, top, left + ScreenX(width), top + ScreenY(height));
}

bool HotspotClick(int32_t x, int32_t y) {
  const int hit = HitEntry(x, y);
  hotspotState.hotspotIndex = hit;
  if (hit < 0) return false;
  PlayEffect(SOUND_TICK_CLICK);
  return true;
}

bool HotspotHover(int32_t x, int32_t y) {
  const int hit = HitEntry(x, y);
  if (hit < 0) {
    hotspotState.hotspotIndex = -1;
    return false;
  }
  if (hit != hotspotState.hotspotIndex) {
    PlayEffect(SOUND_TICK_HOVER);
    hotspotState.hotspotIndex = hit;
  }
  return true;
}

}  // namespace kestrine
