// Writes the level objects in use as the source of the mission's layout function, "lvlobj%d.cpp" in the
// working directory: the placement tool's output, which is compiled into the game as it stands
// (battlefield/layouts/). Each object is written as the calls that rebuild it: its type, position, turns
// and, when all three scale fields are above 0, its scale.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace kestrine {

// The whole text, with `when` as the time of writing.
std::string LevelObjectSourceText(int32_t level, const std::tm& when);

// Writes "lvlobj<level>.cpp" with the local time, replacing an earlier file. False (and a trace) when the
// file cannot be written; nothing else is touched then.
bool WriteLevelObjectSource(int32_t level);

}  // namespace kestrine
