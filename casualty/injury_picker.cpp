// The injury picker: the special casualty from the preferred rows, then the rows the mission offers
// first, then the general draw; row 0 when nothing is left.
#include "casualty/injury_picker.h"

#include <algorithm>

#include "shell/developer_keys.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "shell/program_state.h"
#include "shell/random.h"

namespace kestrine {

const int32_t preferredInjuries[kPreferredInjuryCount] = {11, 24, 44, 3, 7, 15, 25, 30, 39, 41};

InjuryPicks injuryPicks;
KESTRINE_PROGRAM_STATE(injuryPicks);

const InjuryPicks& PickedInjuries() { return injuryPicks; }

void RecordInjuryPick(int32_t row, bool serious) {
  if (injuryPicks.pickedInjuryCount < kWoundTypeCount) {
    injuryPicks.pickedInjuries[injuryPicks.pickedInjuryCount++] = row;
  }
  if (serious) ++injuryPicks.seriousInjuryCount;
}

namespace {

bool AlreadyPicked(int32_t row) {
  const int32_t* const picked = injuryPicks.pickedInjuries;
  const int32_t count = injuryPicks.pickedInjuryCount;
  return std::find(picked, picked + count, row) != picked + count;
}

// The filters every pass shares.
bool MayPick(const WoundType& wound, int32_t row, bool capped) {
  if (capped && wound.severity == SEVERITY_MAJOR) return false;
  if ((wound.conditionFlags & WOUND_DEBUG_ONLY) && !Developer().woundPickerAll) return false;
  return !AlreadyPicked(row);
}

// Draws one of the candidates (in the order given) and records it; -1 when there is none.
int32_t DrawFrom(const WoundType (&rows)[kWoundTypeCount], const int32_t* candidates, int count) {
  if (count == 0) return -1;
  const int32_t row = candidates[rand() % count];
  RecordInjuryPick(row, rows[row].severity == SEVERITY_MAJOR);
  return row;
}

}  // namespace

int32_t PickCasualtyInjury(int32_t special) { return PickCasualtyInjuryFrom(WoundTypeTable, special); }

int32_t PickCasualtyInjuryFrom(const WoundType (&rows)[kWoundTypeCount], int32_t special) {
  const uint32_t missionBit = 1u << (static_cast<uint32_t>(Campaign().missionNumber) & 31u);
  const int d = std::clamp(Campaign().difficulty, 0, 2);
  const MissionDef* mission = FindMission(Campaign().missionNumber);
  // A mission outside the table has no cap.
  const bool capped = mission != nullptr && injuryPicks.seriousInjuryCount >= mission->seriousCaps[d];

  int32_t candidates[kWoundTypeCount];
  int count = 0;

  if (special == 1) {
    for (int32_t row : preferredInjuries) {
      if (MayPick(rows[row], row, capped)) candidates[count++] = row;
    }
    if (const int32_t row = DrawFrom(rows, candidates, count); row >= 0) return row;
  }

  count = 0;
  for (int32_t row = 0; row < kWoundTypeCount; ++row) {
    const WoundType& wound = rows[row];
    if ((wound.maskA[d] & missionBit) && !(wound.conditionFlags & WOUND_NEVER_RANDOM) && MayPick(wound, row, capped)) {
      candidates[count++] = row;
    }
  }
  if (const int32_t row = DrawFrom(rows, candidates, count); row >= 0) return row;

  count = 0;
  for (int32_t row = 0; row < kWoundTypeCount; ++row) {
    const WoundType& wound = rows[row];
    const bool inEitherMask = ((wound.maskA[d] | wound.maskB[d]) & missionBit) != 0;
    if (!inEitherMask && !(wound.conditionFlags & WOUND_NEVER_RANDOM) && MayPick(wound, row, capped)) {
      candidates[count++] = row;
    }
  }
  if (const int32_t row = DrawFrom(rows, candidates, count); row >= 0) return row;

  return WOUND_EVISCERATION;
}

void ResetInjuryPicks() {
  injuryPicks.pickedInjuryCount = 0;
  injuryPicks.seriousInjuryCount = 0;
}

}  // namespace kestrine
