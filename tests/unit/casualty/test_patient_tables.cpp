// The patient's tables: bone names to numbers, a pick shape for every bone number, model animation names
// to poses, and which body a wound row and an appearance get.
#include <gtest/gtest.h>

#include <set>

#include "casualty/body_model_choice.h"
#include "casualty/patient_bones.h"
#include "casualty/pose_table.h"
#include "shell/program_state.h"

namespace kestrine {
namespace {

TEST(PatientBones, NamesAreExactAndCaseSensitive) {
  EXPECT_EQ(BoneIndexFromName("head"), 18);
  EXPECT_EQ(BoneIndexFromName("Head"), -1);
  EXPECT_EQ(BoneIndexFromName("left_elbow"), 25);
  EXPECT_EQ(BoneIndexFromName(L"l_ankle"), 0);
  EXPECT_EQ(BoneIndexFromName(L"right_elbow"), 26);
  EXPECT_EQ(BoneIndexFromName(L"head "), -1);
  EXPECT_EQ(BoneIndexFromName(L"h\u00e9ad"), -1);
  EXPECT_EQ(BoneIndexFromName(""), -1);
  // The bones the textures look up as body parts share the parts' numbers.
  EXPECT_EQ(BoneIndexFromName("l_knee"), 2);
  EXPECT_EQ(BoneIndexFromName("r_knee"), 3);
  EXPECT_EQ(BoneIndexFromName("spine2"), 15);
  EXPECT_EQ(BoneIndexFromName("spine3"), 16);
}

TEST(PatientBones, EveryBoneNumberHasExactlyOnePickShape) {
  std::multiset<int32_t> covered;
  for (const PickShapeRow& row : kPickShapes)
    for (int32_t bone : row.bones)
      if (bone >= 0) covered.insert(bone);
  for (int32_t bone = 0; bone < kBoneTableSize; ++bone) EXPECT_EQ(covered.count(bone), 1u) << kBoneNames[bone];
  Offset3 offset{};
  ASSERT_NE(PickShapeOf(BONE_R_HAND, &offset), nullptr);
  EXPECT_EQ(offset.x, -0.2f);  // the right hand's sphere sits the other way along its bone
  EXPECT_EQ(PickShapeOf(-1, &offset), nullptr);
  EXPECT_EQ(PickShapeOf(27, &offset), nullptr);
}

TEST(PoseNames, AnimationNamesFindTheFirstPoseTheyBegin) {
  EXPECT_EQ(PoseOfAnimationName(L"roll_over1"), 41);  // a take number is dropped
  EXPECT_EQ(PoseOfAnimationName(L"hold_guts__lie"), 1);
  EXPECT_EQ(PoseOfAnimationName(L"hold_guts"), 0);
  EXPECT_EQ(PoseOfAnimationName(L"hold_gu"), 0);  // begins "hold_guts" first
  EXPECT_EQ(PoseOfAnimationName(L"pvidle"), 39);
  EXPECT_EQ(PoseOfAnimationName(L"pv_idle"), 39);
  EXPECT_EQ(PoseOfAnimationName(L"liestiil"), 16);
  EXPECT_EQ(PoseOfAnimationName(L"ph_A"), 23);
  EXPECT_EQ(PoseOfAnimationName(L"ph_norm"), 38);
  EXPECT_EQ(PoseOfAnimationName(L"restrain_restrain"), 46);
  EXPECT_EQ(PoseOfAnimationName(L"dance"), -1);
  EXPECT_EQ(PoseOfAnimationName(L"roll_over_and_over"), -1);  // longer than every pose name
  EXPECT_EQ(PoseOfAnimationName(L"Roll_over"), -1);
  EXPECT_EQ(PoseOfAnimationName(L"7"), -1);  // nothing left once trimmed
  EXPECT_EQ(PoseOfAnimationName(L""), -1);
}

class BodyChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
};

TEST_F(BodyChoiceTest, WoundsWithABodyOfTheirOwnKeepIt) {
  EXPECT_STREQ(ChooseBodyModel(4, 0).path, L"patient\\injury\\pv-legsgone\\pv_legzgone.qsad");
  EXPECT_STREQ(ChooseBodyModel(5, 2).path, L"patient\\injury\\pv-ftgn\\pv_ftgn.qsad");
  EXPECT_STREQ(ChooseBodyModel(40, 3).path, L"patient\\injury\\pv-pipebutt\\pv_pipebutt.qsad");
  // The amputation body is always a light-skinned own soldier, whoever the casualty was.
  const BodyModelChoice amputation = ChooseBodyModel(6, 3);
  EXPECT_STREQ(amputation.path, L"patient\\injury\\pv-legamp\\pv_legamp.qsad");
  EXPECT_EQ(amputation.appearance, 1);
  EXPECT_EQ(amputation.noBoots, 1);
  EXPECT_EQ(ChooseBodyModel(4, 0).noBoots, 0);
}

TEST_F(BodyChoiceTest, OnlyTheFirstOwnSoldierOfARunGetsTheAmputationBody) {
  // Enemies and own soldiers whose row has a body of its own leave the switch alone.
  EXPECT_STREQ(ChooseBodyModel(31, 2).path, L"patient\\pv-sold\\pv_sold.qsad");
  EXPECT_STREQ(ChooseBodyModel(31, 3).path, L"patient\\pv-sold\\pv_sold.qsad");
  EXPECT_EQ(ChooseBodyModel(4, 1).noBoots, 0);
  const BodyModelChoice first = ChooseBodyModel(31, 0);
  EXPECT_STREQ(first.path, L"patient\\injury\\pv-legamp\\pv_legamp.qsad");
  EXPECT_EQ(first.appearance, 1);
  EXPECT_EQ(first.noBoots, 1);
  for (int32_t appearance : {0, 1}) {
    const BodyModelChoice later = ChooseBodyModel(31, appearance);
    EXPECT_STREQ(later.path, L"patient\\pv-sold\\pv_sold.qsad");
    EXPECT_EQ(later.appearance, appearance);
  }
  // A new run starts with the switch on again.
  ResetProgramState();
  EXPECT_EQ(ChooseBodyModel(0, 1).noBoots, 1);
}

}  // namespace
}  // namespace kestrine
