// Body locations in words: the three name sets, the group folds and the side a step's side field means.
#include <gtest/gtest.h>

#include <string>

#include "casualty/location_names.h"

namespace kestrine {
namespace {

TEST(BodyLocationNameTest, SideBitsChooseTheNameSetAndAWholeGroupNamesTheGroup) {
  const struct {
    BodyLocation mask;
    const char* name;
  } cases[] = {
      {LOC_RIGHT | LOC_THIGH, "right thigh"},
      {LOC_LEFT | LOC_THIGH, "left thigh"},
      {LOC_THIGH, "thigh"},
      {kSideBits | LOC_THIGH, "thigh"},  // both side bits are the midline
      {LOC_RIGHT | LOC_EYE, "right eye"},
      {LOC_LEFT | LOC_EAR, "left ear"},
      {LOC_LEFT | LOC_HIP, "left hip"},
      {kSideBits | LOC_HIP, "hip"},
      {LOC_RIGHT | LOC_CHEST, "chest"},            // midline regions have one name in every set
      {LOC_LEFT | LOC_SHOULDER, "left shoulder"},  // the shoulder is bit 26
      {LOC_SHOULDER, "shoulder"},
      // A mask that is exactly a group names the group; a group plus more is not the group.
      {LOC_RIGHT | kWholeLeg, "right leg"},
      {LOC_LEFT | kWholeLeg, "left leg"},
      {LOC_RIGHT | kArmWithoutHand, "right arm"},
      {kSideBits | kWholeHead, "head"},
      {kSideBits | kWholeTorso, "torso"},
      {kAnyBodyPart, "any body part"},
      {LOC_LEFT | kWholeLeg | LOC_HAND, "left foot"},
      // Any other mask names its highest region.
      {LOC_RIGHT | LOC_HAND | LOC_FOREARM, "right forearm"},
      {LOC_RIGHT | kArmWithoutHand | LOC_NECK, "right forearm"},
      {LOC_HEAD | LOC_EYE, "eye"},
      // The group bits name something only when a whole group was folded into them.
      {LOC_RIGHT | LOC_LEG | LOC_FOOT, "right foot"},
      {LOC_LEFT | LOC_TORSO | LOC_NECK, "neck"},
      // Nothing left is bit 0: the arm.
      {LOC_RIGHT | LOC_LEG, "right arm"},
      {LOC_RIGHT, "right arm"},
      {LOC_LEFT, "left arm"},
      {0, "arm"},
      {kSideBits, "arm"},
  };
  for (const auto& c : cases) EXPECT_STREQ(BodyLocationName(c.mask), c.name) << std::hex << c.mask;
}

TEST(StepLocationNameTest, TheWoundedSideIsRightForSideZeroAndLeftForSideOneAndTheStepsOwnSideBitsAreKept) {
  TreatmentStep step;
  step.location = LOC_CALF;
  struct Case {
    int32_t stepSide;
    int32_t patientSide;
    const char* name;
  };
  const Case cases[] = {
      {STEP_SIDE_WOUNDED, 0, "right calf"}, {STEP_SIDE_OTHER, 0, "left calf"},  {STEP_SIDE_ANY, 0, "calf"},
      {STEP_SIDE_WOUNDED, 1, "left calf"},  {STEP_SIDE_OTHER, 1, "right calf"}, {STEP_SIDE_ANY, 1, "calf"},
  };
  for (const Case& c : cases) {
    step.side = c.stepSide;
    EXPECT_STREQ(StepLocationName(step, c.patientSide), c.name)
        << "step side " << c.stepSide << ", patient side " << c.patientSide;
  }
  // Side bits of the step itself are kept, and can make it midline.
  step.location = LOC_LEFT | LOC_HAND;
  step.side = STEP_SIDE_ANY;
  EXPECT_STREQ(StepLocationName(step, 0), "hand");
  step.side = STEP_SIDE_OTHER;
  EXPECT_STREQ(StepLocationName(step, 0), "left hand");
  step.side = STEP_SIDE_WOUNDED;
  EXPECT_STREQ(StepLocationName(step, 0), "hand") << "right added to left is both sides";
}

}  // namespace
}  // namespace kestrine
