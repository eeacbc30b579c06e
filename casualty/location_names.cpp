// The three name sets of the body locations and the folding of group masks.
#include "casualty/location_names.h"

namespace kestrine {

namespace {

// Region bits a name can come from; the group bits are reached only by folding a whole group.
constexpr BodyLocation kNamedRegionBits = 0x41ffffc;

// By location bit: the name on the right side, on the left side, and without a side.
constexpr const char* kLocationNames[kLocationNameCount][3] = {
    {"right arm", "left arm", "arm"},                     // 0
    {"right leg", "left leg", "leg"},                     // 1
    {"mouth", "mouth", "mouth"},                          // 2
    {"neck", "neck", "neck"},                             // 3
    {"nose", "nose", "nose"},                             // 4
    {"right hand", "left hand", "hand"},                  // 5
    {"right elbow", "left elbow", "elbow"},               // 6
    {"right upper arm", "left upper arm", "upper arm"},   // 7
    {"right forearm", "left forearm", "forearm"},         // 8
    {"right thigh", "left thigh", "thigh"},               // 9
    {"right calf", "left calf", "calf"},                  // 10
    {"right knee", "left knee", "knee"},                  // 11
    {"right foot", "left foot", "foot"},                  // 12
    {"chest", "chest", "chest"},                          // 13
    {"back", "back", "back"},                             // 14
    {"abdomen", "abdomen", "abdomen"},                    // 15
    {"right hip", "left hip", "hip"},                     // 16
    {"buttock", "buttock", "buttock"},                    // 17
    {"head", "head", "head"},                             // 18
    {"right eye", "left eye", "eye"},                     // 19
    {"right ear", "left ear", "ear"},                     // 20
    {"torso", "torso", "torso"},                          // 21
    {"any body part", "any body part", "any body part"},  // 22
    {"", "", ""},                                         // 23
    {"", "", ""},                                         // 24
    {"", "", ""},                                         // 25
    {"right shoulder", "left shoulder", "shoulder"},      // 26
};

// A mask that is exactly one of the data's groups reads as the group.
BodyLocation FoldGroup(BodyLocation regions) {
  switch (regions) {
    case kArmWithoutHand:
      return LOC_ARM;
    case kWholeLeg:
      return LOC_LEG;
    case kWholeHead:
      return LOC_HEAD;
    case kWholeTorso:
      return LOC_TORSO;
    case kAnyBodyPart:
      return LOC_ANY_PART;
    default:
      return regions;
  }
}

int HighestBit(BodyLocation bits) {
  int index = 0;
  for (int bit = 0; bit < 32; ++bit) {
    if (bits & (BodyLocation{1} << bit)) index = bit;
  }
  return index;
}

int NameSetOf(BodyLocation mask) {
  switch (mask & kSideBits) {
    case LOC_RIGHT:
      return NAMES_RIGHT;
    case LOC_LEFT:
      return NAMES_LEFT;
    default:
      return NAMES_NO_SIDE;
  }
}

}  // namespace

const char* BodyLocationName(BodyLocation mask) {
  const int index = HighestBit(FoldGroup(mask & kNamedRegionBits));
  return kLocationNames[index][NameSetOf(mask)];
}

BodyLocation StepSideBits(int32_t stepSide, int32_t patientSide) {
  // The wounded side is the right for a side-0 patient and the left for a side-1 patient.
  const BodyLocation wounded = patientSide == 1 ? LOC_LEFT : LOC_RIGHT;
  const BodyLocation other = patientSide == 1 ? LOC_RIGHT : LOC_LEFT;
  switch (stepSide) {
    case STEP_SIDE_WOUNDED:
      return wounded;
    case STEP_SIDE_OTHER:
      return other;
    default:
      return kSideBits;
  }
}

const char* StepLocationName(const TreatmentStep& step, int32_t patientSide) {
  return BodyLocationName(step.location | StepSideBits(step.side, patientSide));
}

}  // namespace kestrine
