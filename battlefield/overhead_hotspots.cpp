#include "battlefield/overhead_hotspots.h"

#include "battlefield/battle_state.h"
#include "battlefield/mini_map.h"
#include "shell/engine_setup.h"
#include "shell/hotspots.h"

namespace kestrine {

namespace {

struct HotspotPlace {
  int32_t x, y;  // layout units
  int32_t width, height;
};
constexpr HotspotPlace kPlaces[kOverheadHotspotCount] = {
    {228, 397, 120, 22},  // VIEW PATIENT
    {228, 420, 120, 22},  // DRAG / DROP PATIENT
    {370, 393, 40, 48},   // pistol
    {410, 393, 45, 48},   // rifle
    {455, 393, 42, 48},   // grenades
    {115, 397, 70, 25},   // MENU
    {520, 425, 100, 16},  // Call for Support
    {0, 0, kMiniMapSize, kMiniMapSize},
    {115, 420, 70, 25},  // MOVE TEAM
};

}  // namespace

HotspotBox OverheadHotspotBox(int32_t id) {
  if (id < 0 || id >= kOverheadHotspotCount) return {0, 0, 0, 0};
  const HotspotPlace& p = kPlaces[id];
  if (id == OVERHEAD_MINI_MAP) {
    const MiniMapCorner corner = MiniMapOrigin();
    return {corner.x, corner.y, p.width, p.height};
  }
  return {Engine().screenWidth * p.x / 634, Engine().screenHeight * p.y / 455, p.width, p.height};
}

void SetOverheadHotspots() {
  ClearHotspots();
  const bool withinReach = Battle().nearestPatientDistance < kCasualtyReach;
  for (int32_t id = 0; id < kOverheadHotspotCount; ++id) {
    const bool casualtyButton = id == OVERHEAD_VIEW_PATIENT || id == OVERHEAD_DRAG_PATIENT;
    const HotspotBox box = casualtyButton && !withinReach ? HotspotBox{0, 0, 0, 0} : OverheadHotspotBox(id);
    AddHotspotRect(box.x, box.y, box.width, box.height);
  }
}

}  // namespace kestrine
