// What the briefing shows of a mission that is not words: its start time (hhmm).
#pragma once

#include <cstdint>

namespace kestrine {

// The mission's time of day as hhmm; a number outside 1..13 gives the first mission's.
int32_t MissionStartTime(int32_t mission);

}  // namespace kestrine
