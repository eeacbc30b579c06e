#include "battlefield/strategy_markers.h"

#include "shell/globals.h"
#include "shell/program_state.h"

namespace kestrine {

StrategyMarkerState strategyMarkerState;
KESTRINE_PROGRAM_STATE(strategyMarkerState);

void ClearStrategyMarkers() {
  for (int i = 0; i < kStrategyEntryCount; ++i) {
    engine::EngineRef<engine::EngineObject>& marker = strategyMarkerState.strategyMarkers[i];
    if (marker && engineStage) engineStage->RemoveObject(marker);
    marker.Reset();
    strategyMarkerState.strategyMarkerPlanes[i].Reset();
  }
}

}  // namespace kestrine
