// What the battlefield asks of a casualty's patient record.
#pragma once

namespace kestrine {

// Whether the casualty in `slot` may be dragged: always in the first training mission and for a slot with
// no patient record, else as his condition allows.
bool IsCasualtyMovable(int slot);

}  // namespace kestrine
