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

namespace {

StrategyTableState strategyTableState;
KESTRINE_PROGRAM_STATE(strategyTableState);

}  // namespace

const StrategyTableState& StrategyTable() { return strategyTableState; }

void ClearStrategy() {
  for (StrategyEntry& e : strategyTableState.strategy) e.Reset();
}

void SetStrategyEntry(int32_t index, const StrategyEntry& entry) { strategyTableState.strategy[index] = entry; }

void SetStrategyCount(int32_t count) { strategyTableState.strategyCount = count; }

void SetStrategyCursor(int32_t cursor) { strategyTableState.strategyCursor = cursor; }

void SetExtractionPoint(const Vector3& point) { strategyTableState.extractionPoint = point; }

void MarkExtractionChosen() { strategyTableState.extractionChosen = true; }

void ClearExtractionChoice() { strategyTableState.extractionChosen = false; }

std::string StrategyFilePath(int32_t mission) {
  char path[48];
  std::snprintf(path, sizeof path, "missions\\mission%d\\strat", static_cast<int>(mission));
  return path;
}

bool LoadStrategy() {
  ClearSpawnPoints();
  ClearStrategyMarkers();
  strategyTableState.strategyCount = 0;
  strategyTableState.strategyCursor = 0;

  StrategyFileBytes bytes{};
  size_t got = 0;
  if (ReadGameFile(StrategyFilePath(Campaign().missionNumber), bytes.data(), bytes.size(), got) != GameFileRead::kRead)
    return false;
  DecodeStrategyFile(bytes.data(), got, strategyTableState.strategy, strategyTableState.strategyCount);

  // All 35 records count here, also those past the count: the editor can leave a point behind its count.
  for (const StrategyEntry& e : strategyTableState.strategy) {
    if (e.type == STRATEGY_SPAWN && SpawnPoints().spawnPointCount < kSpawnPointCapacity) {
      AddSpawnPoint(Vector3(e.pos.x, e.pos.y + 3.0f, e.pos.z));
    } else if (e.type == STRATEGY_EXTRACTION) {
      strategyTableState.extractionPoint = e.pos;
      strategyTableState.extractionChosen = false;
    }
  }
  return true;
}

void SaveStrategy() {
  const StrategyFileBytes bytes = EncodeStrategyFile(strategyTableState.strategy, strategyTableState.strategyCount);
  if (!WriteGameFile(StrategyFilePath(Campaign().missionNumber),
                     {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, false))
    MessageBox(mainWindow.Handle(), "Can't save Read-Only or something.", "Unable To Save", MB_OKCANCEL);
}

}  // namespace kestrine
