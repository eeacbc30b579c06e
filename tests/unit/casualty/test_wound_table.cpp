// The wound table: the whole table passes its check (which can fail), and the rows the code uses by number keep the
// properties the code relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "casualty/tool_table.h"
#include "wound_fixture.h"
#include "wound_table_validation.h"

namespace kestrine::testing {
namespace {

std::string Joined(const std::vector<std::string>& problems) {
  std::string all;
  for (const std::string& problem : problems) all += problem + "\n";
  return all;
}

bool Mentions(const std::vector<std::string>& problems, const char* words) {
  return std::any_of(problems.begin(), problems.end(),
                     [&](const std::string& p) { return p.find(words) != std::string::npos; });
}

TEST(WoundTable, TheWholeTablePassesItsCheck) {
  const std::vector<std::string> problems = ValidateWoundTable(GameWoundTable());
  EXPECT_TRUE(problems.empty()) << Joined(problems);
}

// The check can fail: one list of the game's table swapped for a list with four faults finds all four.
TEST(WoundTable, TheCheckFindsAToolOutsideTheTableABadLocationAndALoopThatScoresAgain) {
  static const TreatmentStep broken[] = {
      {.tool = kToolCount, .location = LOC_THIGH},
      {.tool = TOOL_GLOVE, .location = 0x08000000},       // no region has this bit
      {.tool = TOOL_STETHOSCOPE, .location = LOC_THIGH},  // nobody listens to a thigh
      {.next = broken, .tool = TOOL_BANDAGE, .location = LOC_THIGH, .points = 5},
      {.tool = TOOL_GLOVE, .location = LOC_THIGH, .points = 5},
      {},
  };
  std::vector<WoundType> rows(std::begin(WoundTypeTable), std::end(WoundTypeTable));
  std::vector<StepListExtent> lists(kStepListExtents, kStepListExtents + kStepListExtentCount);
  rows[3].lists[0] = broken;
  lists.push_back({broken, static_cast<int32_t>(std::size(broken))});
  const std::vector<std::string> problems =
      ValidateWoundTable({rows.data(), kWoundTypeCount, lists.data(), static_cast<int>(lists.size())});
  for (const char* words :
       {"tool 48", "location bits not valid", "cannot be used on that location", "score its findings again"}) {
    EXPECT_TRUE(Mentions(problems, words)) << words << "\n" << Joined(problems);
  }
}

// ---- properties of the rows the code uses by number ----

TEST(WoundTable, EveryKitHeadToolLeadsToAProcedureWorthItsRowsBonus) {
  int kits = 0;
  for (int tool = 0; tool < kToolCount; ++tool) {
    if ((ToolTable[tool].flags & TOOL_FLAG_KIT_HEAD) == 0) continue;
    ++kits;
    const int row = ToolTable[tool].kitListRow;
    ASSERT_TRUE(IsWoundRow(row)) << "tool " << tool;
    int32_t points = 0;
    int steps = 0;
    for (const StepList* list = WoundTypeTable[row].lists[0]; !IsListEnd(list) && steps < 16; list = list->next) {
      EXPECT_EQ(StepListLength(list), 1) << "a kit is played one part after another";
      points += list->points;
      ++steps;
    }
    EXPECT_GT(steps, 0) << "tool " << tool;
    EXPECT_EQ(points, WoundTypeTable[row].bonus) << "tool " << tool << ", row " << row;
  }
  EXPECT_EQ(kits, 3);
}

TEST(WoundTable, MachineryRowsAreNeverDrawnAndThePreferredRowsAlwaysMayBe) {
  for (int row : {12, 13, 16, 26, 27, 33, 35, 57}) {
    EXPECT_TRUE(WoundTypeTable[row].conditionFlags & WOUND_NEVER_RANDOM) << "row " << row;
  }
  for (int32_t row : preferredInjuries) {
    ASSERT_TRUE(IsWoundRow(row));
    EXPECT_EQ(WoundTypeTable[row].conditionFlags & (WOUND_NEVER_RANDOM | WOUND_DEBUG_ONLY), 0u) << "row " << row;
  }
  for (const WoundType& w : WoundTypeTable) {
    EXPECT_EQ(w.conditionFlags & WOUND_DEBUG_ONLY, 0u) << w.title << ": no shipping row is developer-only";
  }
}

TEST(WoundTable, EveryTitleNamesOneRow) {
  std::set<std::string> titles;
  for (const WoundType& w : WoundTypeTable) EXPECT_TRUE(titles.insert(w.title).second) << w.title;
}

TEST(WoundTable, WoundsWithoutShockTracksAndShockRowsHaveTheTracksTheInterpreterReads) {
  // The shock rows are searched through lists 0 and 1; the minor-shock rows of heat exhaustion too.
  for (int row : {WOUND_MAJOR_SHOCK, WOUND_MINOR_SHOCK, WOUND_HEAT_STROKE}) {
    EXPECT_NE(WoundTypeTable[row].lists[0], nullptr) << "row " << row;
  }
  EXPECT_NE(WoundTypeTable[WOUND_MAJOR_SHOCK].deadlines[DEADLINE_DEATH], 0);
  EXPECT_NE(WoundTypeTable[WOUND_MINOR_SHOCK].deadlines[DEADLINE_MAJOR_SHOCK], 0);
  EXPECT_NE(WoundTypeTable[WOUND_DEADMAN].lists[0], nullptr);
  for (const TreatmentStep* step = WoundTypeTable[WOUND_DEADMAN].lists[0]; !IsListEnd(step); ++step) {
    EXPECT_TRUE(IsTrackedTool(step->tool)) << "the death findings are findings";
    EXPECT_EQ(step->points, 0);
  }
}

}  // namespace
}  // namespace kestrine::testing
