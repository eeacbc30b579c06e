// The mission table: one row per mission, 1..10 the campaign and 11..13 the training missions. Casualty care
// reads the serious-wound caps when it draws a mission's wounds; the rest of each row (casualty counts,
// time of day, camouflage, titles, briefings, objectives) comes with the mission load.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kMissionCount = 13;

struct MissionDef {
  // By difficulty (novice, intermediate, expert): how many of the mission's casualties may carry a serious
  // wound.
  int32_t seriousCaps[3] = {};
};

// Row index = mission number - 1.
extern const MissionDef MissionTable[kMissionCount];

// The row of a mission number; nullptr outside 1..13.
const MissionDef* FindMission(int32_t mission);

}  // namespace kestrine
