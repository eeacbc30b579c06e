// The 27 body parts a tool can be put to. A part's number is also the number of the bone that carries its
// pick shape, so a picked bone names the part directly. Each part has a location mask (one region bit and
// one or both side bits) and the two materials that cover it: the skin, and the clothing the scissors cut.
#pragma once

#include <cstdint>

#include "casualty/body_location.h"

namespace kestrine {

constexpr int kBodyPartCount = 27;

enum BodyPartId : int32_t {
  PART_LEFT_FOOT = 0,
  PART_RIGHT_FOOT = 1,
  PART_LEFT_CALF = 2,
  PART_RIGHT_CALF = 3,
  PART_LEFT_THIGH = 4,
  PART_RIGHT_THIGH = 5,
  PART_HIP = 6,
  PART_LEFT_HAND = 7,
  PART_RIGHT_HAND = 8,
  PART_LEFT_FOREARM = 9,
  PART_RIGHT_FOREARM = 10,
  PART_LEFT_UPPER_ARM = 11,
  PART_RIGHT_UPPER_ARM = 12,
  PART_ABDOMEN = 13,
  PART_BUTTOCKS = 14,
  PART_CHEST = 15,
  PART_BACK = 16,
  PART_NECK = 17,
  PART_HEAD = 18,
  PART_MOUTH = 19,
  PART_NOSE = 20,
  PART_LEFT_EYE = 21,
  PART_RIGHT_EYE = 22,
  PART_LEFT_EAR = 23,
  PART_RIGHT_EAR = 24,
  PART_LEFT_ELBOW = 25,
  PART_RIGHT_ELBOW = 26,
};

struct BodyPart {
  const char* displayName;
  BodyLocation mask;
  const char* skinMaterial;
  const char* clothingMaterial;  // "" for a bare part
};

extern const BodyPart kBodyParts[kBodyPartCount];

// True for a part number inside the table; numbers from save files are checked with this.
inline bool IsBodyPart(int part) { return part >= 0 && part < kBodyPartCount; }

// Side masks of a patient (clothing, cravats, splints) are indexed by a part's side bits: 1 right, 2 left,
// 3 midline. Index 0 is never used.
enum SideIndex : int {
  SIDE_INDEX_RIGHT = 1,
  SIDE_INDEX_LEFT = 2,
  SIDE_INDEX_MIDLINE = 3,
};
constexpr int kSideIndexCount = 4;
constexpr int SideIndexOf(BodyLocation partMask) { return static_cast<int>(partMask >> 30); }

}  // namespace kestrine
