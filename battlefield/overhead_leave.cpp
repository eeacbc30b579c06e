#include "battlefield/overhead_leave.h"

#include "battlefield/level_objects.h"
#include "battlefield/mission_state.h"
#include "battlefield/unit_array.h"
#include "shell/explosion.h"
#include "shell/globals.h"
#include "shell/hotspots.h"
#include "shell/overlays.h"
#include "shell/screen_text.h"

namespace kestrine {

void LeaveOverhead() {
  if (ScreenText().textOverlay) ClearTextOverlay();
  if (Overlays().menuCanvas) ClearMenuCanvas();
  if (missionState.terrainObject) {
    missionState.terrainObject->SetVisible(0);
    if (engineStage) engineStage->RemoveObject(missionState.terrainObject);
  }
  for (int32_t i = 0; i < unitCount && i < kUnitSlotCount; ++i) {
    Unit* unit = units[i].get();
    if (!unit) continue;
    if (unit->body) unit->body->SetVisible(0);
    if (unit->marker) unit->marker->SetVisible(0);
  }
  for (OverheadObject& object : ohObjects) object.Show(false);
  ClearHotspots();
  HideExplosion();
}

}  // namespace kestrine
