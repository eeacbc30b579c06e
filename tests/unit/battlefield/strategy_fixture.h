// Tests set up strategy entries field by field; the table changes only through its own operations, so each
// change is made on a copy of the entry and set back.
#pragma once

#include <cstdint>

#include "battlefield/strategy_table.h"

namespace kestrine {

template <typename Edit>
void EditStrategyEntry(int32_t index, Edit edit) {
  StrategyEntry entry = StrategyTable().strategy[index];
  edit(entry);
  SetStrategyEntry(index, entry);
}

}  // namespace kestrine
