// The tool table's rows and icon rectangles: the relations the rest of the game builds on.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "casualty/tool_table.h"

namespace kestrine {
namespace {

TEST(ToolTable, ParentRowsAreTopLevelRowsAndOnlyTheDragToolAndTheAtropineDiazepamVialAreTheirOwn) {
  std::set<int> selfParents;
  for (int row = 0; row < kToolCount; ++row) {
    const ToolDef& tool = ToolTable[row];
    const int parent = tool.parentRow;
    EXPECT_EQ((tool.flags & TOOL_FLAG_SUB_ITEM) != 0, tool.HasParent()) << "row " << row;
    if (parent == row) selfParents.insert(row);
    if (parent < 0) {
      EXPECT_EQ(parent, -1) << "row " << row;
      continue;
    }
    ASSERT_TRUE(IsToolRow(parent)) << "row " << row;
    // A parent is a drawer or kit the player carries, never itself stocked under something else; this is
    // also what keeps the parent walk free of cycles.
    if (parent != row) {
      EXPECT_EQ(ToolTable[parent].parentRow, -1) << "row " << row;
    }
  }
  EXPECT_EQ(selfParents, (std::set<int>{TOOL_ROLLOVER_DRAG, TOOL_ATROPINE_DIAZEPAM}));
}

TEST(ToolTable, KitHeadsNameTheThreeKitStepRowsAndExamToolsHoldTheFourExamSlots) {
  std::map<int, int> kitRowOfHead;
  std::map<int, int> rowOfSlot;
  for (int row = 0; row < kToolCount; ++row) {
    const ToolDef& tool = ToolTable[row];
    if (tool.kitListRow >= 0) kitRowOfHead[row] = tool.kitListRow;
    EXPECT_EQ(tool.kitListRow >= 0, (tool.flags & TOOL_FLAG_KIT_HEAD) != 0) << "row " << row;
    EXPECT_EQ(tool.IsExamTool(), tool.examIndex >= 0) << "row " << row;
    if (tool.examIndex >= 0) {
      EXPECT_TRUE(rowOfSlot.emplace(tool.examIndex, row).second) << "slot " << tool.examIndex;
    }
  }
  EXPECT_EQ(kitRowOfHead, (std::map<int, int>{{TOOL_ET_KIT, 16}, {TOOL_CRICH_KIT, 12}, {TOOL_MINOR_SURGERY_KIT, 35}}));
  for (const auto& [head, kitRow] : kitRowOfHead) {
    int parts = 0;
    for (int row = 0; row < kToolCount; ++row) parts += ToolTable[row].parentRow == head ? 1 : 0;
    EXPECT_GE(parts, 2) << "kit " << head;
  }
  EXPECT_EQ(rowOfSlot, (std::map<int, int>{{TOOL_EXAM_GLOVE, TOOL_GLOVE},
                                           {TOOL_EXAM_STETHOSCOPE, TOOL_STETHOSCOPE},
                                           {TOOL_EXAM_PULSE_OX, TOOL_PULSE_OX},
                                           {TOOL_EXAM_PENLIGHT, TOOL_PENLIGHT}}));
}

TEST(ToolTable, WeightsAndVolumesAreSinglePrecisionValuesWidenedAndNothingForSubItemsAndWeapons) {
  for (int row = 0; row < kToolCount; ++row) {
    const ToolDef& tool = ToolTable[row];
    EXPECT_EQ(tool.weight, static_cast<double>(static_cast<float>(tool.weight))) << "row " << row;
    EXPECT_EQ(tool.volume, static_cast<double>(static_cast<float>(tool.volume))) << "row " << row;
    EXPECT_GE(tool.weight, 0.0);
    EXPECT_GE(tool.volume, 0.0);
    if (tool.flags & TOOL_FLAG_HIDDEN_IN_PACK) {
      EXPECT_EQ(tool.weight + tool.volume, 0.0) << "row " << row;
    }
  }
  // The stethoscope's 1.4 is the float nearest 1.4, which is not the double nearest 1.4.
  EXPECT_EQ(ToolTable[TOOL_STETHOSCOPE].weight, static_cast<double>(1.4f));
  EXPECT_NE(ToolTable[TOOL_STETHOSCOPE].weight, 1.4);
}

TEST(ToolTable, PackableRowsLeaveOutWeaponsRadioSubItemsAndTheHand) {
  for (int row = 0; row < kToolCount; ++row) {
    const bool hidden = (ToolTable[row].flags & TOOL_FLAG_HIDDEN_IN_PACK) != 0;
    const bool expected = !hidden && row != TOOL_ACTION && row != TOOL_RADIO;
    EXPECT_EQ(IsPackableTool(row), expected) << "row " << row;
    // Every packable row can be found again in the list: it has a name to show.
    if (expected) {
      EXPECT_FALSE(std::string(ToolTable[row].name).empty());
    }
  }
  EXPECT_FALSE(IsPackableTool(-1));
  EXPECT_FALSE(IsPackableTool(kToolCount));
}

// ---- icon rectangles ----

TEST(ToolSpriteRects, EveryRowFromFiveOnHasOneWholeIconOnTheSheetAndTheRestAreEmpty) {
  for (int j = 0; j < kToolSpriteRectSlots; ++j) {
    const ToolSpriteRect& r = kToolSpriteRects[j];
    if (j >= kToolSpriteRectCount) {
      EXPECT_EQ(r.width, 0) << "entry " << j;
      continue;
    }
    EXPECT_EQ(r.height, kToolIconHeight) << "entry " << j;
    EXPECT_EQ(r.y % kToolIconHeight, 0) << "entry " << j;
    EXPECT_GT(r.width, 0) << "entry " << j;
    EXPECT_GE(r.x, 0);
    EXPECT_LE(r.x + r.width, 256) << "entry " << j;
    EXPECT_LE(r.y + r.height, 240) << "entry " << j;
  }
  for (int row = 0; row < kToolCount; ++row) {
    int entries = 0;
    for (int j = 0; j < kToolSpriteRectCount; ++j) entries += kToolSpriteRects[j].tool == row ? 1 : 0;
    EXPECT_EQ(entries, row >= 5 ? 1 : 0) << "row " << row;
    // The empty entries past the real ones carry tool 0 but are no icon of row 0.
    const int found = FindToolSpriteRect(row);
    EXPECT_EQ(found >= 0 ? kToolSpriteRects[found].tool : -1, row >= 5 ? row : -1) << "row " << row;
  }
}

TEST(ToolSpriteRects, SharedPicturesAreExactlyTheSameRectangleAndTheCarriableIconsMakeTheStripWidth) {
  std::map<std::tuple<int, int, int, int>, std::set<int>> rowsOfRect;
  for (int j = 0; j < kToolSpriteRectCount; ++j) {
    const ToolSpriteRect& r = kToolSpriteRects[j];
    rowsOfRect[{r.x, r.y, r.width, r.height}].insert(r.tool);
  }
  std::set<std::set<int>> shared;
  for (const auto& [rect, rows] : rowsOfRect)
    if (rows.size() > 1) shared.insert(rows);
  const std::set<std::set<int>> expected = {
      {TOOL_ATROPINE, TOOL_XYLOCAINE},
      {TOOL_IV, TOOL_HESPAN, TOOL_LACTATED_RINGERS},
      {TOOL_AMBU_BAG_NASAL, TOOL_AMBU_BAG_ET, TOOL_AMBU_BAG_CRICH, TOOL_AMBU_BAG},
      {TOOL_ET_KIT, TOOL_ET_TUBE, TOOL_CRICH_KIT, TOOL_CRICH_TUBE},
      {TOOL_CRICH_SPONGE, TOOL_SURGERY_SPONGE},
      {TOOL_CRICH_SCALPEL, TOOL_SURGERY_SCALPEL},
  };
  EXPECT_EQ(shared, expected);

  int total = 0;
  for (int row = 4; row < kToolCount; ++row) {
    const int j = FindToolSpriteRect(row);
    if (j >= 0) total += kToolSpriteRects[j].width;
  }
  EXPECT_EQ(total, 1458);
}

}  // namespace
}  // namespace kestrine
