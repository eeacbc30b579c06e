// Body locations in words: the three name sets, the group folds and the side a step's side field means.
#include <gtest/gtest.h>

#include <string>

#include "casualty/location_names.h"

namespace kestrine {
namespace {

std::string Name(BodyLocation mask) { return BodyLocationName(mask); }

TEST(BodyLocationNameTest, SideBitsChooseTheNameSet) {
  EXPECT_EQ(Name(LOC_RIGHT | LOC_THIGH), "right thigh");
  EXPECT_EQ(Name(LOC_LEFT | LOC_THIGH), "left thigh");
  EXPECT_EQ(Name(LOC_THIGH), "thigh");
  EXPECT_EQ(Name(kSideBits | LOC_THIGH), "thigh") << "both side bits are the midline";
  EXPECT_EQ(Name(LOC_RIGHT | LOC_EYE), "right eye");
  EXPECT_EQ(Name(LOC_LEFT | LOC_EAR), "left ear");
  EXPECT_EQ(Name(LOC_LEFT | LOC_HIP), "left hip");
  EXPECT_EQ(Name(kSideBits | LOC_HIP), "hip");
  EXPECT_EQ(Name(LOC_RIGHT | LOC_CHEST), "chest") << "midline regions have one name in every set";
  EXPECT_EQ(Name(LOC_LEFT | LOC_SHOULDER), "left shoulder") << "the shoulder is bit 26";
  EXPECT_EQ(Name(LOC_SHOULDER), "shoulder");
}

TEST(BodyLocationNameTest, AMaskThatIsAWholeGroupNamesTheGroup) {
  EXPECT_EQ(Name(LOC_RIGHT | kWholeLeg), "right leg");
  EXPECT_EQ(Name(LOC_LEFT | kWholeLeg), "left leg");
  EXPECT_EQ(Name(LOC_RIGHT | kArmWithoutHand), "right arm");
  EXPECT_EQ(Name(kSideBits | kWholeHead), "head");
  EXPECT_EQ(Name(kSideBits | kWholeTorso), "torso");
  EXPECT_EQ(Name(kAnyBodyPart), "any body part");
}

TEST(BodyLocationNameTest, AnyOtherMaskNamesItsHighestRegion) {
  EXPECT_EQ(Name(LOC_RIGHT | LOC_HAND | LOC_FOREARM), "right forearm");
  EXPECT_EQ(Name(LOC_LEFT | kWholeLeg | LOC_HAND), "left foot") << "a group plus more is not the group";
  EXPECT_EQ(Name(LOC_RIGHT | kArmWithoutHand | LOC_NECK), "right forearm");
  EXPECT_EQ(Name(LOC_HEAD | LOC_EYE), "eye");
}

TEST(BodyLocationNameTest, GroupBitsInTheMaskItselfAreDropped) {
  // The group bits name something only when a whole group was folded into them.
  EXPECT_EQ(Name(LOC_RIGHT | LOC_LEG | LOC_FOOT), "right foot");
  EXPECT_EQ(Name(LOC_LEFT | LOC_TORSO | LOC_NECK), "neck");
  EXPECT_EQ(Name(LOC_RIGHT | LOC_LEG), "right arm") << "nothing left is bit 0";
}

TEST(BodyLocationNameTest, AnEmptyMaskNamesTheArm) {
  EXPECT_EQ(Name(LOC_RIGHT), "right arm");
  EXPECT_EQ(Name(LOC_LEFT), "left arm");
  EXPECT_EQ(Name(0), "arm");
  EXPECT_EQ(Name(kSideBits), "arm");
}

TEST(StepLocationNameTest, TheWoundedSideIsRightForSideZeroAndLeftForSideOne) {
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
}

TEST(StepLocationNameTest, SideBitsOfTheStepItselfAreKeptAndCanMakeItMidline) {
  TreatmentStep step;
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
