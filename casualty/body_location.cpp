// Which body regions lie on one side only, and which carry a finding for each side.
#include "casualty/body_location.h"

namespace kestrine {

bool IsOneSidedRegion(BodyLocation mask) {
  switch (RegionOf(mask)) {
    case LOC_HAND:
    case LOC_ELBOW:
    case LOC_UPPER_ARM:
    case LOC_FOREARM:
    case LOC_THIGH:
    case LOC_CALF:
    case LOC_KNEE:
    case LOC_FOOT:
    case LOC_EYE:
    case LOC_EAR:
      return true;
    default:
      return false;
  }
}

bool IsPairedRegion(BodyLocation mask) { return IsOneSidedRegion(mask) || RegionOf(mask) == LOC_HIP; }

}  // namespace kestrine
