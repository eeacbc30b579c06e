// What the battlefield asks of a casualty's patient record.
#pragma once

namespace kestrine {

// Whether the casualty in `slot` may be dragged: always in the first training mission and for a slot with
// no patient record, else as his condition allows.
bool IsCasualtyMovable(int slot);

// The medic started dragging the casualty in `slot`: his patient view will show him moved (nothing for a slot
// with no patient record).
void MarkCasualtyDragged(int slot);

}  // namespace kestrine
