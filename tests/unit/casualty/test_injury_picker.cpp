// The injury picker: the special casualty's preferred rows, the rows a mission offers first, the general
// draw, the serious-wound cap, rows never drawn, developer-only rows and the fallback (met by every draw
// that runs the rows out).
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

#include "shell/developer_keys.h"
#include "shell/mission_progress.h"
#include "shell/mission_table.h"
#include "wound_fixture.h"

namespace kestrine::testing {
namespace {

uint32_t MissionBit(int mission) { return 1u << (mission & 31); }

bool OfferedFirst(const WoundType& w, int mission, int d) {
  return (w.maskA[d] & MissionBit(mission)) != 0 && (w.conditionFlags & WOUND_NEVER_RANDOM) == 0;
}

bool InGeneralDraw(const WoundType& w, int mission, int d) {
  return ((w.maskA[d] | w.maskB[d]) & MissionBit(mission)) == 0 && (w.conditionFlags & WOUND_NEVER_RANDOM) == 0;
}

bool IsPreferred(int32_t row) {
  return std::find(std::begin(preferredInjuries), std::end(preferredInjuries), row) != std::end(preferredInjuries);
}

class PickerTest : public WoundTest {
 protected:
  void SetUp() override {
    WoundTest::SetUp();
    std::copy(std::begin(WoundTypeTable), std::end(WoundTypeTable), rows);
  }

  // Picks until the picker falls back; returns every row drawn before that, in order.
  std::vector<int32_t> DrawAll(int32_t special = 0) {
    std::vector<int32_t> drawn;
    for (int i = 0; i <= kWoundTypeCount; ++i) {
      const int32_t before = PickedInjuries().pickedInjuryCount;
      const int32_t row = PickCasualtyInjuryFrom(rows, special);
      if (PickedInjuries().pickedInjuryCount == before) {
        EXPECT_EQ(row, WOUND_EVISCERATION) << "the fallback is row 0";
        return drawn;
      }
      drawn.push_back(row);
    }
    ADD_FAILURE() << "the picker never ran out";
    return drawn;
  }

  WoundType rows[kWoundTypeCount];
};

TEST_F(PickerTest, ASeededDrawTakesTheGeneratorsCandidateInRowOrder) {
  GoToMission(1);
  ChooseDifficulty(2);
  std::vector<int32_t> candidates;
  for (int32_t row = 0; row < kWoundTypeCount; ++row) {
    if (OfferedFirst(WoundTypeTable[row], 1, 2)) candidates.push_back(row);
  }
  ASSERT_GE(candidates.size(), 2u);
  std::set<int32_t> seen;
  for (uint32_t seed : {1u, 42u, 1234u, 99999u, 31337u}) {
    srand(seed);
    const int32_t expected = candidates[rand() % static_cast<int>(candidates.size())];
    srand(seed);
    ResetInjuryPicks();
    const int32_t row = PickCasualtyInjury(0);
    EXPECT_EQ(row, expected) << "seed " << seed;
    EXPECT_EQ(PickedInjuries().pickedInjuryCount, 1);
    EXPECT_EQ(PickedInjuries().pickedInjuries[0], row);
    seen.insert(row);
    // Only a special flag of 1 asks for the special casualty: any other draws like 0.
    srand(seed);
    ResetInjuryPicks();
    EXPECT_EQ(PickCasualtyInjury(2), row) << "seed " << seed;
  }
  EXPECT_GT(seen.size(), 1u) << "different seeds draw different rows";
}

TEST_F(PickerTest, TheSpecialCasualtyComesFromThePreferredRowsInTheirOrder) {
  // The special casualty's rows, most wanted first: the draw indexes this order.
  const int32_t order[] = {11, 24, 44, 3, 7, 15, 25, 30, 39, 41};
  std::set<int32_t> drawn;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    srand(seed);
    const int32_t expected = order[rand() % 10];
    srand(seed);
    ResetInjuryPicks();
    EXPECT_EQ(PickCasualtyInjury(1), expected) << "seed " << seed;
    drawn.insert(expected);
  }
  EXPECT_EQ(drawn.size(), 10u) << "the seeds reach every place of the order";
}

TEST_F(PickerTest, ASpecialCasualtyWithNoPreferredRowLeftFallsThroughToTheMissionsRows) {
  GoToMission(1);
  ChooseDifficulty(0);
  for (int32_t row : preferredInjuries) RecordInjuryPick(row, WoundTypeTable[row].severity == SEVERITY_MAJOR);
  const int32_t row = PickCasualtyInjury(1);
  EXPECT_FALSE(IsPreferred(row));
  EXPECT_TRUE(OfferedFirst(WoundTypeTable[row], 1, 0)) << "row " << row;

  // Filtered rather than picked: the non-serious preferred rows are taken and the cap is reached, so the
  // serious ones that remain may not be drawn either.
  ResetInjuryPicks();
  for (int32_t preferred : preferredInjuries) {
    if (WoundTypeTable[preferred].severity != SEVERITY_MAJOR) RecordInjuryPick(preferred, false);
  }
  // The cap is reached with serious rows that are not preferred, so the serious preferred rows stay unpicked.
  for (int32_t other = 0; PickedInjuries().seriousInjuryCount < MissionTable[0].seriousCaps[0]; ++other) {
    ASSERT_LT(other, kWoundTypeCount);
    if (WoundTypeTable[other].severity == SEVERITY_MAJOR && !IsPreferred(other)) RecordInjuryPick(other, true);
  }
  const int32_t filtered = PickCasualtyInjury(1);
  EXPECT_FALSE(IsPreferred(filtered));
  EXPECT_NE(WoundTypeTable[filtered].severity, SEVERITY_MAJOR);
}

TEST_F(PickerTest, TheSeriousCapHoldsInEveryPass) {
  for (int mission = 1; mission <= 13; ++mission) {
    for (int d = 0; d < 3; ++d) {
      GoToMission(mission);
      ChooseDifficulty(d);
      srand(static_cast<uint32_t>(mission * 10 + d));
      ResetInjuryPicks();
      const int32_t cap = MissionTable[mission - 1].seriousCaps[d];
      int serious = 0;
      std::vector<int32_t> drawn = DrawAll(1);
      for (size_t i = 0; i < drawn.size(); ++i) {
        const bool capped = serious >= cap;
        if (WoundTypeTable[drawn[i]].severity == SEVERITY_MAJOR) {
          EXPECT_FALSE(capped) << "mission " << mission << " difficulty " << d << " pick " << i;
          ++serious;
        }
      }
      EXPECT_EQ(PickedInjuries().seriousInjuryCount, serious);
      EXPECT_LE(serious, cap);
    }
  }
}

TEST_F(PickerTest, NeitherMaskRowsAreDrawnOnlyWhenTheMissionsRowsAreUsedUp) {
  for (int mission = 1; mission <= 13; ++mission) {
    GoToMission(mission);
    ChooseDifficulty(2);
    srand(static_cast<uint32_t>(mission));
    ResetInjuryPicks();
    const std::vector<int32_t> drawn = DrawAll();
    bool generalDrawStarted = false;
    std::set<int32_t> unique(drawn.begin(), drawn.end());
    EXPECT_EQ(unique.size(), drawn.size()) << "no row twice";
    for (int32_t row : drawn) {
      const WoundType& w = WoundTypeTable[row];
      EXPECT_EQ(w.conditionFlags & WOUND_NEVER_RANDOM, 0u) << "row " << row;
      if (OfferedFirst(w, mission, 2)) {
        EXPECT_FALSE(generalDrawStarted) << "mission " << mission << ": row " << row << " after the general draw";
      } else {
        EXPECT_TRUE(InGeneralDraw(w, mission, 2)) << "mission " << mission << ": row " << row << " kept out";
        generalDrawStarted = true;
      }
    }
  }
}

TEST_F(PickerTest, RowsNeverDrawnStayOutEvenWithAMissionBitAndDeveloperOnlyRowsNeedThePickerShowingAll) {
  GoToMission(4);
  ChooseDifficulty(1);
  int neverRandom = 0;
  for (WoundType& w : rows) {
    if (w.conditionFlags & WOUND_NEVER_RANDOM) {
      for (uint32_t& mask : w.maskA) mask |= MissionBit(4);
      ++neverRandom;
    }
  }
  ASSERT_GT(neverRandom, 0);
  const int32_t debugRow = 3;
  rows[debugRow].conditionFlags |= WOUND_DEBUG_ONLY;
  for (uint32_t& mask : rows[debugRow].maskA) mask |= MissionBit(4);
  for (uint8_t pickerAll : {0, 1}) {
    SetWoundPickerAll(pickerAll);
    for (uint32_t seed = 1; seed <= 5; ++seed) {
      srand(seed);
      ResetInjuryPicks();
      const std::vector<int32_t> drawn = DrawAll();
      for (int32_t row : drawn) EXPECT_EQ(rows[row].conditionFlags & WOUND_NEVER_RANDOM, 0u) << "row " << row;
      EXPECT_EQ(std::count(drawn.begin(), drawn.end(), debugRow), pickerAll) << "seed " << seed;
    }
  }
}

}  // namespace
}  // namespace kestrine::testing
