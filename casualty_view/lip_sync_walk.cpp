#include "casualty_view/lip_sync_walk.h"

namespace kestrine {

LipSyncFrame AdvanceLipSync(LipSyncWalk& walk, const std::vector<LipSyncRecord>& records, int32_t frameMs) {
  LipSyncFrame frame;
  if (walk.hold != 0) {
    walk.hold -= frameMs;
    if (walk.hold <= 0) {
      walk.hold = 0;
      frame.stopShape = walk.heldShape;
    }
  }
  // A fresh timeline starts with the lead; one restarted during its lead just goes on with it.
  if (walk.pending && walk.clock >= 0) {
    walk.index = -1;
    walk.clock = -kLipSyncLeadMs;
  }
  walk.clock += frameMs;
  if (walk.clock < 0) return frame;

  const auto count = static_cast<int32_t>(records.size());
  if (walk.index >= count) {
    frame.ended = true;
    return frame;
  }
  if (walk.index >= 0 && walk.clock <= records[static_cast<size_t>(walk.index)].timeMs - kLipSyncEarlyMs) {
    walk.pending = 0;
    return frame;
  }
  if (walk.index >= 0) {
    // A shape still waiting for its stop goes now: only one replaced shape is kept.
    if (walk.hold != 0) frame.stopShape = walk.heldShape;
    walk.hold = kLipSyncHoldMs;
    walk.heldShape = records[static_cast<size_t>(walk.index)].shape;
  }
  ++walk.index;
  if (walk.index >= count) {
    walk.hold = 0;
    frame.ended = true;
    return frame;
  }
  if (walk.index == 0) {
    walk.clock = 0;
    frame.startSound = true;
  }
  frame.newRecord = true;
  frame.newShape = records[static_cast<size_t>(walk.index)].shape;
  walk.pending = 0;
  return frame;
}

}  // namespace kestrine
