#include "battlefield/casualty_cases.h"

#include <algorithm>

#include "battlefield/strategy_table.h"
#include "casualty/backpack.h"
#include "casualty/injury_picker.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

namespace {

CasualtyCaseState casualtyCaseState;
KESTRINE_PROGRAM_STATE(casualtyCaseState);

}  // namespace

const CasualtyCaseState& CasualtyCases() { return casualtyCaseState; }

void SetCasualtyCases(const CasualtyCase* cases, int32_t count) {
  count = std::clamp(count, 0, static_cast<int32_t>(kMaxCasualtyCases));
  for (int32_t k = 0; k < count; ++k) casualtyCaseState.casualtyCases[k] = cases[k];
  casualtyCaseState.casualtyCaseCount = count;
}

void ReplaceCasualtyCase(int32_t k, const CasualtyCase& c) { casualtyCaseState.casualtyCases[k] = c; }

void SetCasualtyWound(int32_t k, int32_t woundType) { casualtyCaseState.casualtyCases[k].woundType = woundType; }

namespace {

constexpr int32_t kSpecialLast = 1;    // the last case is the special one
constexpr int32_t kSpecialChance = 2;  // each case has a one-in-ten chance until one is
constexpr int32_t kSpecialLastSeverity = 3;
constexpr int32_t kSpecialChanceSeverity = 2;

}  // namespace

void SetUpMissionCasualties() {
  ClearStrategy();
  LoadStrategy();
  ResetInjuryPicks();
  ClearBackpack();
  casualtyCaseState.casualtyCaseCount = 0;

  const MissionDef& mission = MissionRow(Campaign().missionNumber);
  const int32_t total = std::min(mission.casualties[std::clamp(Campaign().difficulty, 0, kDifficultyCount - 1)],
                                 static_cast<int32_t>(kMaxCasualtyCases));
  bool specialChosen = false;
  for (const StrategyEntry& e : StrategyTable().strategy) {
    if (casualtyCaseState.casualtyCaseCount >= total) break;
    if (e.type != STRATEGY_START || e.injury <= 0) continue;
    CasualtyCase c;
    c.severity = rand() % 3 > 0 ? 1 : 0;
    if (!specialChosen) {
      if (mission.severityMode == kSpecialLast && casualtyCaseState.casualtyCaseCount + 1 >= total) {
        c.special = 1;
        c.severity = kSpecialLastSeverity;
      } else if (mission.severityMode == kSpecialChance && rand() % 100 < 10) {
        c.special = 1;
        c.severity = kSpecialChanceSeverity;
      }
      specialChosen = c.special != 0;
    }
    c.woundType = PickCasualtyInjury(c.special);
    CountBackpackKitTools(c.woundType);
    casualtyCaseState.casualtyCases[casualtyCaseState.casualtyCaseCount++] = c;
  }
}

}  // namespace kestrine
