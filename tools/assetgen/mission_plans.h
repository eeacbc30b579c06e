// Who stands where in each mission (1..13): the strategy tables the data generator writes, with the same
// placements turned into the spawn maps and patient locations a mission without a strategy file would use.
#pragma once

#include <cstdint>

#include "battlefield/strategy_file.h"

namespace assetgen {

constexpr int kPlannedMissionCount = 13;

struct PlanEntry {
  int32_t type, side, vehicle, injury, orders, patrol;
  float x, z;  // y follows the ground
};

struct MissionPlan {
  const PlanEntry* entries;
  int32_t count;
};

// Mission 1..13.
MissionPlan MissionPlanOf(int mission);

// The terrain folder of a mission: its own number, 4 for the training missions.
int TerrainFolderOf(int mission);

// The strategy table of a mission as its file holds it: every entry standing on the ground of the
// mission's terrain.
void BuildStrategyTable(int mission, kestrine::StrategyEntry (&entries)[kestrine::kStrategyEntryCount], int32_t& count);

}  // namespace assetgen
