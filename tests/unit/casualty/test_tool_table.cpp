// The tool table: the relations the rest of the game builds on, and the icon rectangles. (The rows' own
// numbers are met where they matter: the pack's limits, the kits, the drawers.)
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "casualty/tool_table.h"

namespace kestrine {
namespace {

TEST(ToolTable, ParentsAreTopLevelAndKitHeadsAndExamToolsAreConsistent) {
  std::set<int> selfParents;
  std::map<int, int> kitRowOfHead, rowOfSlot;
  for (int row = 0; row < kToolCount; ++row) {
    const ToolDef& tool = ToolTable[row];
    EXPECT_EQ((tool.flags & TOOL_FLAG_SUB_ITEM) != 0, tool.HasParent()) << "row " << row;
    // A parent is a drawer or kit, never stocked under something else: the parent walk has no cycles.
    if (tool.parentRow == row) selfParents.insert(row);
    if (tool.HasParent() && tool.parentRow != row) {
      EXPECT_EQ(ToolTable[tool.parentRow].parentRow, -1) << "row " << row;
    }
    EXPECT_EQ(tool.kitListRow >= 0, (tool.flags & TOOL_FLAG_KIT_HEAD) != 0) << "row " << row;
    if (tool.kitListRow >= 0) kitRowOfHead[row] = tool.kitListRow;
    EXPECT_EQ(tool.IsExamTool(), tool.examIndex >= 0) << "row " << row;
    if (tool.examIndex >= 0) rowOfSlot[tool.examIndex] = row;
    if (tool.flags & TOOL_FLAG_HIDDEN_IN_PACK) {
      EXPECT_EQ(tool.weight + tool.volume, 0.0) << "row " << row;
    }
  }
  EXPECT_EQ(selfParents, (std::set<int>{TOOL_ROLLOVER_DRAG, TOOL_ATROPINE_DIAZEPAM}));
  EXPECT_EQ(kitRowOfHead, (std::map<int, int>{{TOOL_ET_KIT, 16}, {TOOL_CRICH_KIT, 12}, {TOOL_MINOR_SURGERY_KIT, 35}}));
  EXPECT_FALSE(IsPackableTool(-1));
  EXPECT_FALSE(IsPackableTool(kToolCount));
  EXPECT_EQ(rowOfSlot, (std::map<int, int>{{TOOL_EXAM_GLOVE, TOOL_GLOVE},
                                           {TOOL_EXAM_STETHOSCOPE, TOOL_STETHOSCOPE},
                                           {TOOL_EXAM_PULSE_OX, TOOL_PULSE_OX},
                                           {TOOL_EXAM_PENLIGHT, TOOL_PENLIGHT}}));
}

TEST(ToolSpriteRects, RowsFromFiveOnHaveOneIconSharedPicturesOneRectangleAndTheStripIsTheirWidths) {
  std::map<std::tuple<int, int, int, int>, std::set<int>> rowsOfRect;
  for (int j = 0; j < kToolSpriteRectSlots; ++j) {
    const ToolSpriteRect& r = kToolSpriteRects[j];
    if (j >= kToolSpriteRectCount) {
      EXPECT_EQ(r.width, 0) << "entry " << j;
      continue;
    }
    EXPECT_EQ(r.height, kToolIconHeight) << "entry " << j;
    EXPECT_LE(r.x + r.width, 256) << "entry " << j;
    rowsOfRect[{r.x, r.y, r.width, r.height}].insert(r.tool);
  }
  int total = 0;
  for (int row = 0; row < kToolCount; ++row) {
    // The empty entries past the real ones carry tool 0 but are no icon of row 0.
    const int j = FindToolSpriteRect(row);
    EXPECT_EQ(j >= 0 ? kToolSpriteRects[j].tool : -1, row >= 5 ? row : -1) << "row " << row;
    if (j >= 0) total += kToolSpriteRects[j].width;
  }
  EXPECT_EQ(total, 1458);

  std::set<std::set<int>> shared;
  for (const auto& [rect, rows] : rowsOfRect)
    if (rows.size() > 1) shared.insert(rows);
  EXPECT_EQ(shared, (std::set<std::set<int>>{
                        {TOOL_ATROPINE, TOOL_XYLOCAINE},
                        {TOOL_IV, TOOL_HESPAN, TOOL_LACTATED_RINGERS},
                        {TOOL_AMBU_BAG_NASAL, TOOL_AMBU_BAG_ET, TOOL_AMBU_BAG_CRICH, TOOL_AMBU_BAG},
                        {TOOL_ET_KIT, TOOL_ET_TUBE, TOOL_CRICH_KIT, TOOL_CRICH_TUBE},
                        {TOOL_CRICH_SPONGE, TOOL_SURGERY_SPONGE},
                        {TOOL_CRICH_SCALPEL, TOOL_SURGERY_SCALPEL},
                    }));
}

}  // namespace
}  // namespace kestrine
