// How many casualties of a mission may carry a serious (severity 0) wound, by mission and difficulty.
#pragma once

#include <cstdint>

namespace kestrine {

// Missions 1..13, difficulty 0..2. Outside those ranges there is no cap.
int32_t SeriousWoundCap(int32_t mission, int32_t difficulty);

}  // namespace kestrine
