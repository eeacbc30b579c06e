#include "casualty_view/surroundings_kinds.h"

#include "casualty/patient.h"

namespace kestrine {

namespace {

// One row per mission; the training missions share mission 4's town.
constexpr int32_t kSurroundingsKinds[kSurroundingsMissions][kSurroundingsPerMission] = {
    {0, 1, 0, 0, 2, 0, 0},        {3, 3, 3, 4, 4, 3, 0},       {5, 5, 5, 5, 5, 14, 14},
    {6, 6, 6, 6, 7, 6, 6},        {9, 9, 9, 9, 9, 9, 9},       {10, 10, 11, 12, 11, 12, 12},
    {14, 14, 14, 13, 13, 15, 13}, {16, 16, 16, 16, 17, 16, 0}, {18, 19, 18, 18, 19, 20, 0},
    {23, 23, 23, 21, 21, 21, 0},  {6, 6, 6, 6, 7, 6, 6},       {6, 6, 6, 6, 7, 6, 6},
    {6, 6, 6, 6, 7, 6, 6},
};

}  // namespace

int32_t SurroundingsKindFor(int32_t mission, int32_t location) {
  if (mission < 1 || mission > kSurroundingsMissions || location < 0 || location >= kSurroundingsPerMission)
    return kDefaultSurroundings;
  return kSurroundingsKinds[mission - 1][location];
}

}  // namespace kestrine
