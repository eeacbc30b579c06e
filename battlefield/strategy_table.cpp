#include "battlefield/strategy_table.h"

#include <cstdio>

#include "battlefield/spawn_points.h"
#include "battlefield/strategy_markers.h"
#include "platform/message_box.h"
#include "shell/game_files.h"
#include "shell/main_window.h"
#include "shell/mission_progress.h"
#include "shell/program_state.h"

namespace kestrine {

StrategyTableState strategyTableState;
KESTRINE_PROGRAM_STATE(strategyTableState);
StrategyEntry (&strategy)[kStrategyEntryCount] = strategyTableState.strategy;
int32_t& strategyCount = strategyTableState.strategyCount;
int32_t& strategyCursor = strategyTableState.strategyCursor;
Vector3& extractionPoint = strategyTableState.extractionPoint;

std::string StrategyFilePath(int32_t mission) {
  char path[48];
  std::snprintf(path, sizeof path, "missions\\mission%d\\strat", static_cast<int>(mission));
  return path;
}

bool LoadStrategy() {
  spawnPointCount = 0;
  ClearStrategyMarkers();
  strategyCount = 0;
  strategyCursor = 0;

  StrategyFileBytes bytes{};
  size_t got = 0;
  if (ReadGameFile(StrategyFilePath(Campaign().missionNumber), bytes.data(), bytes.size(), got) != GameFileRead::kRead)
    return false;
  DecodeStrategyFile(bytes.data(), got, strategy, strategyCount);

  // All 35 records count here, also those past the count: the editor can leave a point behind its count.
  for (const StrategyEntry& e : strategy) {
    if (e.type == STRATEGY_SPAWN && spawnPointCount < kSpawnPointCapacity) {
      spawnPoints[spawnPointCount] = Vector3(e.pos.x, e.pos.y + 3.0f, e.pos.z);
      ++spawnPointCount;
    } else if (e.type == STRATEGY_EXTRACTION) {
      extractionPoint = e.pos;
      strategyTableState.extractionChosen = false;
    }
  }
  return true;
}

void SaveStrategy() {
  const StrategyFileBytes bytes = EncodeStrategyFile(strategy, strategyCount);
  if (!WriteGameFile(StrategyFilePath(Campaign().missionNumber),
                     {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, false))
    MessageBox(mainWindow.Handle(), "Can't save Read-Only or something.", "Unable To Save", MB_OKCANCEL);
}

}  // namespace kestrine
