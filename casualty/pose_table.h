// The patient's body and face animations by pose number. A body model names its animations freely; each
// is matched to a pose through the pose names, searched in the order below.
#pragma once

#include <cstdint>
#include <string_view>

#include "casualty/lip_sync.h"

namespace kestrine {

// Pose numbers run 0..48; the patient keeps one animation index per pose.
constexpr int kPoseCount = 49;
constexpr int kPoseNameCount = 47;
// Mouth shape s of a lip-sync record (0 .. kMouthShapeCount - 1) is pose kFirstMouthPose + s.
constexpr int32_t kFirstMouthPose = 23;

struct PoseName {
  const char* name;
  int32_t pose;
};

// In search order. Pose 16 has its name twice and pose 39 two names, so a few poses have two rows.
extern const PoseName kPoseNames[kPoseNameCount];

// The pose a model animation of this name plays: its last character is dropped when that is below 'A' (a
// take number such as the 1 of "roll_over1"), and the first pose name that begins with what is left wins.
// -1 when none does, and for a name that is empty once trimmed (it would match every pose).
int32_t PoseOfAnimationName(std::wstring_view name);

}  // namespace kestrine
