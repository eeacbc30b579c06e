// The serious-wound caps of the missions. They belong with the rest of each mission's row (casualty
// counts, time of day, camouflage); until that table is built they live here.
#include "casualty/serious_wound_caps.h"

#include <limits>

namespace kestrine {

namespace {

constexpr int kFirstMission = 1;
constexpr int kMissionCount = 13;

// By difficulty: novice, intermediate, expert.
constexpr int32_t kSeriousCaps[kMissionCount][3] = {
    {1, 3, 5},  // 1
    {2, 3, 5},  // 2
    {2, 3, 5},  // 3
    {2, 4, 6},  // 4
    {2, 4, 6},  // 5
    {2, 4, 6},  // 6
    {2, 4, 6},  // 7
    {2, 5, 7},  // 8
    {2, 5, 7},  // 9
    {2, 5, 6},  // 10
    {2, 2, 2},  // 11 training
    {2, 2, 2},  // 12 training
    {2, 2, 2},  // 13 training
};

}  // namespace

int32_t SeriousWoundCap(int32_t mission, int32_t difficulty) {
  const int32_t index = mission - kFirstMission;
  if (index < 0 || index >= kMissionCount || difficulty < 0 || difficulty > 2) {
    return std::numeric_limits<int32_t>::max();
  }
  return kSeriousCaps[index][difficulty];
}

}  // namespace kestrine
