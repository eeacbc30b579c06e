// The strategy editor's markers: one square plane on one engine object per strategy entry, shown on the
// battlefield while the table is edited. A load or unload of the table takes them all away.
#pragma once

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

}  // namespace kestrine
