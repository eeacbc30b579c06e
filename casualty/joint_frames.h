// The joint frames of a patient: invisible frames on his body that the treatment models hang from, one
// slot per treatment model (slot k carries model k). Each is placed, turned and scaled on its parent: the
// pick shape of a bone, or the body model itself.
#pragma once

#include <cstdint>

#include "casualty/patient_bones.h"

namespace kestrine {

constexpr int kJointFrameSlots = 24;
constexpr int kJointFrameRowCount = 17;
constexpr int32_t kParentBodyModel = -1;

struct JointTurn {
  float axisX, axisY, axisZ;
  float degrees;
};

struct JointFrameRow {
  int32_t slot;
  int32_t parent;       // a bone number (its pick shape), or kParentBodyModel
  const char* name;     // "" when the frame carries no name
  Offset3 scale;        // (0, 0, 0): none
  int32_t turnCount;    // 0..2, applied in order
  JointTurn turns[2];
  bool placed;          // false: stays at its parent's origin
  Offset3 position;
};

extern const JointFrameRow kJointFrames[kJointFrameRowCount];

// Frames up to this slot are scaled with SetScale, later ones with SetScaleB.
constexpr int32_t kLastPlainScaleSlot = 7;

}  // namespace kestrine
