#include "battlefield/overhead_leave.h"

#include "battlefield/level_objects.h"
#include "battlefield/mission_state.h"
#include "battlefield/unit_array.h"
#include "shell/engine_setup.h"
#include "shell/explosion.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine {

void LeaveOverhead() {
  if (ScreenText().textOverlay) ClearTextOverlay();
  if (Overlays().menuCanvas) ClearMenuCanvas();
  if (missionState.terrainObject) {
    missionState.terrainObject->SetVisible(0);
    if (Engine().engineStage) Engine().engineStage->RemoveObject(missionState.terrainObject);
  }
  for (int32_t i = 0; i < Units().unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = Units().units[i].get();
    if (!unit) continue;
    if (unit->body) unit->body->SetVisible(0);
    if (unit->marker) unit->marker->SetVisible(0);
  }
  for (int32_t i = 0; i < kLevelObjectCapacity; ++i) ShowLevelObject(i, false);
  ClearHotspots();
  HideExplosion();
}

}  // namespace kestrine
