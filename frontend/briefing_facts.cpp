#include "frontend/briefing_facts.h"

#include <algorithm>

namespace kestrine {

namespace {

// Until the mission table carries the time of day, the briefing keeps its own copy here.
constexpr int32_t kStartTimes[13] = {730, 800, 700, 1300, 530, 1600, 2300, 1430, 1900, 1030, 1200, 1200, 1200};

}  // namespace

int32_t MissionStartTime(int32_t mission) { return kStartTimes[std::clamp(mission, 1, 13) - 1]; }

}  // namespace kestrine
