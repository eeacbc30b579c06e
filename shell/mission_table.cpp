#include "shell/mission_table.h"

namespace kestrine {

const MissionDef MissionTable[kMissionCount] = {
    {{1, 3, 5}},  // 1
    {{2, 3, 5}},  // 2
    {{2, 3, 5}},  // 3
    {{2, 4, 6}},  // 4
    {{2, 4, 6}},  // 5
    {{2, 4, 6}},  // 6
    {{2, 4, 6}},  // 7
    {{2, 5, 7}},  // 8
    {{2, 5, 7}},  // 9
    {{2, 5, 6}},  // 10
    {{2, 2, 2}},  // 11 training
    {{2, 2, 2}},  // 12 training
    {{2, 2, 2}},  // 13 training
};

const MissionDef* FindMission(int32_t mission) {
  if (mission < 1 || mission > kMissionCount) return nullptr;
  return &MissionTable[mission - 1];
}

}  // namespace kestrine
