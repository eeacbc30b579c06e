// The mission's strategy table: 35 entries read from the mission's strategy file, the number in use, the
// editor's cursor, and the extraction point the table names. Respawn points go to spawn_points.h.
#pragma once

#include <cstdint>
#include <string>

#include "battlefield/strategy_entry.h"
#include "battlefield/strategy_file.h"
#include "shell/vector3.h"

namespace kestrine {

struct StrategyTableState {
  StrategyEntry strategy[kStrategyEntryCount];
  int32_t strategyCount = 0;   // entries 0 .. count - 1 are in use
  int32_t strategyCursor = 0;  // the entry the editor's keys act on
  Vector3 extractionPoint;
  // Set once the evacuation point has been chosen in this mission; a fresh table clears it.
  bool extractionChosen = false;
};
// Written only in strategy_table.cpp, through the operations below; everyone else reads this view.
const StrategyTableState& StrategyTable();

// Every entry as a fresh table has it (count and cursor stay).
void ClearStrategy();
// Entry `index` (0..34) in place of what it held.
void SetStrategyEntry(int32_t index, const StrategyEntry& entry);
// The entries in use (0 .. count - 1) and the entry the editor's keys act on.
void SetStrategyCount(int32_t count);
void SetStrategyCursor(int32_t cursor);
// Where casualties are dragged to.
void SetExtractionPoint(const Vector3& point);
// The evacuation point has been chosen in this mission, or not yet.
void MarkExtractionChosen();
void ClearExtractionChoice();

// "missions\mission<n>\strat": by the mission number itself, training missions included.
std::string StrategyFilePath(int32_t mission);

// Reads the current mission's strategy file onto the table (fields the file does not reach keep their
// values; callers reset the entries first). Every SPAWN record of the 35, in use or not, adds a respawn
// point 3 above it while there is room for one; every EXTRACTION record sets the extraction point, the last
// one winning. The editor's markers are cleared. False when the file cannot be opened.
bool LoadStrategy();

// Writes the table to the current mission's strategy file. When it cannot, the player is told with the
// "Unable To Save" box and the old file stays as it was.
void SaveStrategy();

}  // namespace kestrine
