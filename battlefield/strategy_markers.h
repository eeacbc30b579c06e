// The strategy editor's markers: one square plane on one engine object per strategy entry, shown on the
// battlefield while the table is edited, coloured by the entry's side and turned to the camera. A load or
// unload of the table takes them all away.
#pragma once

#include <cstdint>

#include "battlefield/strategy_file.h"
#include "engine/engine.h"

namespace kestrine {

struct StrategyMarkerState {
  engine::EngineRef<engine::EngineMesh> strategyMarkerPlanes[kStrategyEntryCount];
  engine::EngineRef<engine::EngineObject> strategyMarkers[kStrategyEntryCount];
};
extern StrategyMarkerState strategyMarkerState;

// Removes every marker object from the stage and releases it and its plane.
void ClearStrategyMarkers();

// For the entry under the cursor (callers pass the cursor as index; the cursor is what counts): puts its
// orders, injury and patrol back in range, builds or refreshes its marker at its position and updates the
// point it stands for (a respawn point 3 above it while the list has room, the extraction point, the
// evacuation point). False, with nothing built, for a type without a marker (NONE, STAGING, unknown).
bool UpdateStrategyMarker(int32_t index);

// Puts every built marker on the stage, shown.
void ShowStrategyMarkers();
// Hides every built marker and takes it off the stage (it is kept for a later show).
void HideStrategyMarkers();

}  // namespace kestrine
