// The words of the thirteen missions (1..10 the campaign, 11..13 the training missions): title, the
// briefing pre-broken into lines of at most 30 characters, and up to five objectives ("" = none). The
// mission table points at these; the briefing screen lays the lines out as they stand.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kMissionTextCount = 13;
constexpr int kMissionObjectiveCount = 5;
constexpr int kBriefingLineWidth = 30;

struct MissionText {
  const char* title;
  const char* const* briefing;
  int32_t briefingCount;
  const char* objectives[kMissionObjectiveCount];
};

// Row index = mission number - 1.
extern const MissionText missionTexts[kMissionTextCount];

}  // namespace kestrine
