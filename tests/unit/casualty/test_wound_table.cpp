// The wound table: the whole table passes its check, the check finds each kind of fault it is there for,
// and the rows the code uses by number keep the properties the code relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
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

// A copy of the game's table in which one row's track can be swapped for a test list.
class BrokenTable : public ::testing::Test {
 protected:
  void SetUp() override {
    std::copy(std::begin(WoundTypeTable), std::end(WoundTypeTable), rows);
    lists.assign(kStepListExtents, kStepListExtents + kStepListExtentCount);
  }

  template <size_t N>
  void UseAsTrack(int row, int track, const TreatmentStep (&list)[N]) {
    rows[row].lists[track] = list;
    Register(list);
  }
  template <size_t N>
  void Register(const TreatmentStep (&list)[N]) {
    lists.push_back({list, static_cast<int32_t>(N)});
  }

  std::vector<std::string> Check() {
    return ValidateWoundTable({rows, kWoundTypeCount, lists.data(), static_cast<int>(lists.size())});
  }

  WoundType rows[kWoundTypeCount];
  std::vector<StepListExtent> lists;
};

constexpr TreatmentStep kEnd{};
constexpr int kContentRow = 3;  // a casualty row whose tracks the tests swap for lists of their own

TEST_F(BrokenTable, AnUntouchedCopyPasses) { EXPECT_TRUE(Check().empty()) << Joined(Check()); }

TEST_F(BrokenTable, ToolsOutsideTheTableAndLocationsThatAreNoKnownBitsOrOutOfTheToolsReachAreFound) {
  static const TreatmentStep list[] = {
      {.tool = kToolCount, .location = LOC_THIGH},
      {.tool = -3, .location = LOC_THIGH},
      {.tool = TOOL_GLOVE, .location = 0x08000000},       // no region has this bit
      {.tool = TOOL_GLOVE, .location = LOC_LEFT},         // a side and no place
      {.tool = TOOL_STETHOSCOPE, .location = LOC_THIGH},  // nobody listens to a thigh
      kEnd,
  };
  UseAsTrack(kContentRow, 0, list);
  const auto problems = Check();
  EXPECT_TRUE(Mentions(problems, "tool 48")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "tool -3")) << Joined(problems);
  EXPECT_EQ(std::count_if(problems.begin(), problems.end(),
                          [](const std::string& p) { return p.find("location bits not valid") != std::string::npos; }),
            2)
      << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "cannot be used on that location")) << Joined(problems);
}

TEST_F(BrokenTable, AMisplacedTerminatorAndAReachableListThatIsNotRegisteredAreFound) {
  static const TreatmentStep noEnd[] = {{.tool = TOOL_GLOVE, .location = LOC_THIGH},
                                        {.tool = TOOL_GLOVE, .location = LOC_CALF}};
  static const TreatmentStep earlyEnd[] = {kEnd, {.tool = TOOL_GLOVE, .location = LOC_CALF}, kEnd};
  static const TreatmentStep hidden[] = {{.tool = TOOL_GLOVE, .location = LOC_THIGH}, kEnd};
  static const TreatmentStep leadsToHidden[] = {
      {.next = hidden, .tool = TOOL_BANDAGE, .location = LOC_THIGH, .points = 5}, kEnd};
  UseAsTrack(kContentRow, 0, noEnd);
  UseAsTrack(kContentRow, 1, earlyEnd);
  UseAsTrack(kContentRow, 2, leadsToHidden);
  const auto problems = Check();
  EXPECT_TRUE(Mentions(problems, "no terminator")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "before the end of its array")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "not registered")) << Joined(problems);
}

TEST_F(BrokenTable, TextsLongerThanAReportLineAreFound) {
  static const std::string longText = "Glove to Thigh:   " + std::string(kMaxActionTextLength, 'x');
  static const std::string fitting = "Glove to Thigh:   " + std::string(kMaxActionTextLength - 18, 'x');
  static const TreatmentStep list[] = {{.tool = TOOL_GLOVE, .location = LOC_THIGH, .action = longText.c_str()},
                                       {.tool = TOOL_GLOVE, .location = LOC_CALF, .action = fitting.c_str()},
                                       kEnd};
  UseAsTrack(kContentRow, 0, list);
  auto problems = Check();
  ASSERT_EQ(problems.size(), 1u) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "longer than 74")) << Joined(problems);

  static const std::string longLine(kMaxTitleLineLength + 1, 'd');
  rows[kContentRow].descriptionLines[0] = longLine.c_str();
  rows[kContentRow].titleLineCount = kMaxTitleLines + 1;
  problems = Check();
  EXPECT_TRUE(Mentions(problems, "description line")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "title line count")) << Joined(problems);
}

TEST_F(BrokenTable, ALoopThatWouldScoreFindingsAgainIsFound) {
  // A right move whose next list is its own list, which holds a scored finding.
  static const TreatmentStep rearming[] = {
      {.next = rearming, .tool = TOOL_BANDAGE, .location = LOC_THIGH, .points = 5},
      {.tool = TOOL_GLOVE, .location = LOC_THIGH, .points = 5},
      kEnd,
  };
  UseAsTrack(kContentRow, 0, rearming);
  EXPECT_TRUE(Mentions(Check(), "score its findings again"));
}

TEST_F(BrokenTable, HarmfulLoopsAndOnOffPairsAreAllowed) {
  static const TreatmentStep harmful[] = {
      {.next = harmful, .tool = TOOL_ACTION, .location = LOC_THIGH, .points = -5, .flags = STEP_LOGGED_WRONG},
      {.tool = TOOL_GLOVE, .location = LOC_THIGH, .points = 5},
      kEnd,
  };
  UseAsTrack(kContentRow, 0, harmful);
  EXPECT_TRUE(Check().empty()) << Joined(Check());
}

// Lists that lead back to each other are written ahead of the tests that use them.
const TreatmentStep kLoopingExtra[] = {{.extra = kLoopingExtra, .tool = TOOL_GLOVE, .location = LOC_THIGH}, kEnd};

extern const TreatmentStep kHintA[];
const TreatmentStep kHintB[] = {{.next = kHintA, .tool = TOOL_RIGID_SPLINT, .location = LOC_THIGH, .flags = STEP_HINT},
                                kEnd};
const TreatmentStep kHintA[] = {{.next = kHintB, .tool = TOOL_BANDAGE, .location = LOC_THIGH, .flags = STEP_HINT},
                                kEnd};

TEST_F(BrokenTable, ALoopThroughAnExtraListAndAHintChainThatNeverEndsAreFound) {
  static const TreatmentStep head[] = {
      {.extra = kLoopingExtra, .tool = TOOL_BANDAGE, .location = LOC_THIGH, .points = 5}, kEnd};
  UseAsTrack(kContentRow, 0, head);
  Register(kLoopingExtra);
  UseAsTrack(kContentRow, 1, kHintA);
  Register(kHintB);
  const auto problems = Check();
  EXPECT_TRUE(Mentions(problems, "extra list leads back")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "never ends")) << Joined(problems);
}

TEST_F(BrokenTable, TheHealthySeedMustHoldEachFixedFindingOnce) {
  static const TreatmentStep seed[] = {
      {.tool = TOOL_GLOVE, .location = kWholeHead},
      {.tool = TOOL_GLOVE, .location = kWholeHead},
      {.tool = TOOL_STETHOSCOPE, .location = LOC_CHEST},
      kEnd,
  };
  UseAsTrack(WOUND_HEALTHY, 0, seed);
  const auto problems = Check();
  EXPECT_TRUE(Mentions(problems, "glove-on-head finding exactly once")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "stethoscope-on-back finding exactly once")) << Joined(problems);
  EXPECT_FALSE(Mentions(problems, "stethoscope-on-chest")) << Joined(problems);
}

TEST_F(BrokenTable, AKitProcedureMustUseItsOwnPartsAndNeverBeDrawn) {
  const int kitRow = ToolTable[TOOL_CRICH_KIT].kitListRow;
  ASSERT_TRUE(IsWoundRow(kitRow));
  // The endotracheal kit's gel in the crich kit's procedure.
  static const TreatmentStep foreign[] = {{.tool = TOOL_GEL, .location = LOC_MOUTH | LOC_NECK, .points = 5}, kEnd};
  UseAsTrack(kitRow, 0, foreign);
  rows[kitRow].conditionFlags &= ~static_cast<uint32_t>(WOUND_NEVER_RANDOM);
  const auto problems = Check();
  EXPECT_TRUE(Mentions(problems, "not one of its parts")) << Joined(problems);
  EXPECT_TRUE(Mentions(problems, "drawn as a casualty")) << Joined(problems);

  rows[kitRow].lists[0] = nullptr;
  EXPECT_TRUE(Mentions(Check(), "no registered procedure"));
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

TEST(WoundTable, EachRowsTitleIsItsOneReportLine) {
  std::vector<std::string> titles;
  for (const WoundType& w : WoundTypeTable) {
    ASSERT_EQ(w.titleLineCount, 1) << w.title;
    EXPECT_STREQ(w.titleLines[0], w.title);
    titles.emplace_back(w.title);
  }
  std::sort(titles.begin(), titles.end());
  EXPECT_EQ(std::adjacent_find(titles.begin(), titles.end()), titles.end()) << "every title names one row";
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
