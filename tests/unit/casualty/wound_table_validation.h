// A check of the wound table and its step lists against what the interpreter relies on: every list ends
// where its array ends, tools and locations are ones the game knows, texts fit where they are shown, no
// chain of lists loops back where looping would re-arm findings or hang a walk, the healthy list seeds the
// three fixed findings, and each kit's procedure is reached from its kit-head tool.
#pragma once

#include <string>
#include <vector>

#include "casualty/wound_types.h"

namespace kestrine {

constexpr int kMaxActionTextLength = 74;  // one report line
constexpr int kMaxTitleLineLength = 72;   // a report line less the style prefix
constexpr int kMaxHintChainLists = 64;

// A table to check: its rows and the lists it registers.
struct WoundTableView {
  const WoundType* rows;
  int rowCount;
  const StepListExtent* lists;
  int listCount;
};

// The game's own table.
WoundTableView GameWoundTable();

// One line per problem found; empty when the table is sound.
std::vector<std::string> ValidateWoundTable(const WoundTableView& table);

}  // namespace kestrine
