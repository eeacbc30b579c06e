// Body locations as bit masks: one bit per body region, a few group masks the data uses, and the two side
// bits. The same bit index names the region everywhere (treatment steps, body parts, tools, the report).
#pragma once

#include <cstdint>

namespace kestrine {

using BodyLocation = uint32_t;

enum BodyLocationBit : BodyLocation {
  LOC_ARM = 0x1,  // group
  LOC_LEG = 0x2,  // group
  LOC_MOUTH = 0x4,
  LOC_NECK = 0x8,
  LOC_NOSE = 0x10,
  LOC_HAND = 0x20,
  LOC_ELBOW = 0x40,
  LOC_UPPER_ARM = 0x80,
  LOC_FOREARM = 0x100,
  LOC_THIGH = 0x200,
  LOC_CALF = 0x400,
  LOC_KNEE = 0x800,
  LOC_FOOT = 0x1000,
  LOC_CHEST = 0x2000,
  LOC_BACK = 0x4000,
  LOC_ABDOMEN = 0x8000,
  LOC_HIP = 0x10000,
  LOC_BUTTOCK = 0x20000,
  LOC_HEAD = 0x40000,
  LOC_EYE = 0x80000,
  LOC_EAR = 0x100000,
  LOC_TORSO = 0x200000,     // group
  LOC_ANY_PART = 0x400000,  // group
  LOC_SHOULDER = 0x4000000,
  LOC_RIGHT = 0x40000000,
  LOC_LEFT = 0x80000000,
};

// Group masks of the data.
constexpr BodyLocation kWholeHead = 0x1c0014;  // head, eye, ear, nose, mouth
constexpr BodyLocation kArmWithoutHand = 0x1e0;
constexpr BodyLocation kWholeLeg = 0x1e00;
constexpr BodyLocation kWholeTorso = 0x403e000;
constexpr BodyLocation kAnyBodyPart = 0x41ffffc;

constexpr BodyLocation kSideBits = LOC_RIGHT | LOC_LEFT;  // both set = midline
// Every region bit that names something; a location with any other bit is a mistake in the data.
constexpr BodyLocation kRegionBits = 0x007FFFFF | LOC_SHOULDER;
constexpr BodyLocation kValidLocationBits = kRegionBits | kSideBits;

// The region part of a mask, side bits dropped.
constexpr BodyLocation RegionOf(BodyLocation mask) { return mask & kRegionBits; }

// Two masks meet when they share a region bit. Side bits never count here: a right hand and a right thigh
// share a side, not a place.
constexpr bool RegionsOverlap(BodyLocation a, BodyLocation b) { return (RegionOf(a) & RegionOf(b)) != 0; }

// Limb, eye and ear regions: a wound there lies on one side of the body only.
bool IsOneSidedRegion(BodyLocation mask);

// Regions the examination findings exist on twice, once for each side. Hip is among them although the hip
// body part is a midline part.
bool IsPairedRegion(BodyLocation mask);

}  // namespace kestrine
