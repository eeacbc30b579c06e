// The mission's running score and its maximum, as far as casualty care feeds them: every scored step adds
// to the score, every wound set up adds its patient's maximum. The campaign record that keeps these with
// the medals and the campaign totals takes them over when it is built.
#pragma once

#include <cstdint>

namespace kestrine {

void AddToMissionScore(int32_t points);
void AddToMissionMaximum(int32_t points);
int32_t MissionScore();
int32_t MissionMaximum();

}  // namespace kestrine
