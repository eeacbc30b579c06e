// The strategy editor's lines over the overhead view: which entry the cursor is on, and that entry's fields
// with the key that changes each. Fields a damaged file or a key held too long pushed out of their range are
// put back to a value the editor can show before they are drawn.
#pragma once

#include "battlefield/strategy_entry.h"

namespace kestrine {

// Orders outside 0..11, a casualty count outside 0..6, a patrol outside 0..34 and a vehicle outside 0..4
// become 0; a side outside 0..3 becomes 1.
void KeepStrategyEntryInRange(StrategyEntry& entry);

// The editor's header ("Placing Strategy" or, while an entry is edited in place, "Editing Strategy") and the
// current entry's lines, in the developer's yellow. For the editor's frame while it is on.
void DrawStrategyEditorDisplay(bool editing);

}  // namespace kestrine
