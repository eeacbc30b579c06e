// Where each casualty of a mission lies when his patient view opens: the surroundings kind (the scenery
// model around him) by mission and by the patient location the overhead view chose for him.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kSurroundingsMissions = 13;
constexpr int kSurroundingsPerMission = 7;

// The kind for mission 1..13 and patient location 0..6; a mission or location outside the table (a damaged
// save game, a developer's mission number) gives the kind a new patient starts with.
int32_t SurroundingsKindFor(int32_t mission, int32_t location);

}  // namespace kestrine
