// Walking a lip-sync timeline against the clock of its sound. One walk serves whichever face speaks: the
// walk says, frame by frame, when the sound starts, which mouth shape starts and which one is let go; the
// face maps shapes to its own animations.
//
// The sound starts after a 100 ms lead, together with the first record's shape. Record i + 1's shape starts
// once the clock passes record i's time less 50 ms, and the shape it replaces is stopped 100 ms later, so
// the mouth always has a shape while the next one blends in. The walk ends after the last record.
#pragma once

#include <cstdint>
#include <vector>

#include "casualty/lip_sync.h"

namespace kestrine {

// The lead before the sound, the time a shape starts before its record's time, and how long a replaced
// shape stays.
inline constexpr int32_t kLipSyncLeadMs = 100;
inline constexpr int32_t kLipSyncEarlyMs = 50;
inline constexpr int32_t kLipSyncHoldMs = 100;

struct LipSyncWalk {
  int32_t clock = 0;                  // ms since the sound started; from -kLipSyncLeadMs during the lead
  int32_t index = -1;                 // the current record; -1 before the first
  int32_t hold = 0;                   // ms until the replaced shape is stopped; 0 when none waits
  int32_t heldShape = kNoMouthShape;  // the replaced shape, still showing
  uint8_t pending = 1;                // a fresh timeline waits for its start

  // A fresh timeline: its walk begins with the lead on the next frame.
  void Restart() { pending = 1; }
};

// What a face does on one frame of the walk, in this order: stop `stopShape`, start the sound, show
// `newShape`. An out-of-range shape in a record (kNoMouthShape) keeps its timing but shows nothing.
struct LipSyncFrame {
  int32_t stopShape = kNoMouthShape;  // a replaced shape whose time is up
  bool startSound = false;            // the first record: the sound starts now
  bool newRecord = false;             // a record began this frame
  int32_t newShape = kNoMouthShape;   // its shape
  bool ended = false;                 // past the last record: the speech is over
};

// Advances the walk by one frame of frameMs. Sound and face must be ready before the first call of a
// frame (the caller waits for them). After `ended` the walk does nothing more until it is restarted.
LipSyncFrame AdvanceLipSync(LipSyncWalk& walk, const std::vector<LipSyncRecord>& records, int32_t frameMs);

}  // namespace kestrine
