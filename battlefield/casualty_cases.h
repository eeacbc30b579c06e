// The casualties a mission will have, decided before it starts (at the briefing): one case per wounded
// soldier, with his wound, its severity and whether he is the mission's special casualty, and the kit their
// wounds call for. The mission load turns case k into the k-th casualty of the strategy table.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kMaxCasualtyCases = 7;

struct CasualtyCase {
  int32_t woundType = 0;  // row of the wound table
  // 0 or 1 for an ordinary case; 3 or 2 for the special case.
  int32_t severity = 0;
  // 1 for the mission's one special case (an enemy casualty), else 0.
  int32_t special = 0;
};

struct CasualtyCaseState {
  CasualtyCase casualtyCases[kMaxCasualtyCases];
  int32_t casualtyCaseCount = 0;
};
// Written only in casualty_cases.cpp, through the operations below; everyone else reads this view.
const CasualtyCaseState& CasualtyCases();

// Cases decided elsewhere: the first `count` (at most seven) in place of the briefing's, as a saved game's
// casualty units tell them.
void SetCasualtyCases(const CasualtyCase* cases, int32_t count);
// Case k (or only its wound) in place of the one drawn; the count stays.
void ReplaceCasualtyCase(int32_t k, const CasualtyCase& c);
void SetCasualtyWound(int32_t k, int32_t woundType);

// One case per wounded soldier of the mission's strategy table, in table order, up to the mission's count
// for the difficulty: the severity drawn first (1 two times in three, else 0), then whether he is the
// special casualty by the mission's severity mode (the last case in mode 1, with severity 3; a one-in-ten
// chance for each in mode 2, severity 2, until one is), then his wound. The backpack's kit counts are
// filled from the wounds.
void SetUpMissionCasualties();

}  // namespace kestrine
