// The treatment models a patient can wear, by slot (bit k of the patient's applied items is slot k), and
// the airways that can be in place.
#pragma once

#include <cstdint>

namespace kestrine {

enum TreatmentItem : int32_t {
  ITEM_LEFT_ARM_SPLINT = 0,
  ITEM_RIGHT_ARM_SPLINT = 1,
  ITEM_RIGHT_THIGH_SPLINT = 2,
  ITEM_RIGHT_CALF_SPLINT = 3,
  ITEM_LEFT_THIGH_SPLINT = 4,
  ITEM_LEFT_CALF_SPLINT = 5,
  ITEM_NECK_SPLINT = 6,
  ITEM_CHEST_CATHETER = 7,
  ITEM_LEFT_IV = 8,   // hangs from the left elbow
  ITEM_RIGHT_IV = 9,  // hangs from the right elbow
  ITEM_NASAL_AIRWAY = 10,
  ITEM_BURN_BLANKET = 11,
  ITEM_LEFT_ARM_SLING = 13,
  ITEM_RIGHT_ARM_SLING = 14,
  ITEM_AMBU_BAG = 18,
  ITEM_CRICH_TUBE = 19,
  ITEM_HIP_WRAP = 22,
};

constexpr uint32_t ItemBit(int32_t item) { return 1u << item; }

// Airways in place: the bag-valve mask goes onto whichever is there.
enum FittedAirway : uint32_t {
  AIRWAY_NASAL = 0x1,
  AIRWAY_ET_TUBE = 0x2,
  AIRWAY_CRICH_TUBE = 0x4,
};

}  // namespace kestrine
