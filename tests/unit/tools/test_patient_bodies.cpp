// The generated patient bodies as the engine reads them: the bones, materials and animations the game
// looks for; the pick shape of a bone lands on the body part it names; holds sit him up and lie him back
// down, and no pose ends in the ground; the mouth shapes show as held poses; the lower legs' materials.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "casualty/body_parts.h"
#include "casualty/patient_bones.h"
#include "casualty/pose_table.h"
#include "core/geometry.h"
#include "generated_data.h"
#include "tools/assetgen/patient_generators.h"
#include "unit/shell/scratch_tree.h"

namespace assetgen {
namespace {

using engine::EngineModel;
using engine::EngineRef;
using engine::Vec3;

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

class PatientBodiesTest : public ::testing::Test {
 protected:
  EngineRef<EngineModel> Load(const std::string& bytes) {
    const std::string name = "model" + std::to_string(++files_) + ".qsad";
    scratch_.WriteBytes(name, bytes);
    return root_->LoadModel(Wide(name), 1);
  }
  static std::set<std::wstring> Materials(const EngineRef<EngineModel>& model) {
    std::set<std::wstring> names;
    for (int i = 0; i < model->GetMaterialCount(); ++i) names.insert(model->GetMaterialName(i));
    return names;
  }
  static Vec3 At(const EngineRef<EngineModel>& model, const char* bone) {
    return model->FindPart(Wide(bone))->GetPosition()->Value();
  }
  // Plays an animation to its end, where it holds.
  void PlayOut(const EngineRef<EngineModel>& model, const std::wstring& name) {
    model->PlayAnimation(name, 0, 1, 1.0f, 0, 0);
    root_->Wait(static_cast<int>(model->GetAnimationLength(name) * 1000) + 100);
  }

  kestrine::testing::ScratchTree scratch_;
  EngineRef<engine::EngineRoot> root_ = kestrine::testing::QuietEngineRoot();
  int files_ = 0;
};

TEST_F(PatientBodiesTest, EveryBodyHasTheGamesBonesMaterialsAndPoses) {
  const PatientBodyShape shapes[] = {{}, {false, true, false}, {true, false, false}, {false, true, true}};
  for (const PatientBodyShape& shape : shapes) {
    const auto model = Load(PatientBodyFile(shape));
    ASSERT_EQ(model->GetBoneCount(), 27);
    std::set<int32_t> numbered;
    for (int i = 0; i < 27; ++i) numbered.insert(kestrine::BoneIndexFromName(model->GetBone(i)->GetName()));
    // The 25 bones of the table's model bones, and two toes the game does not name.
    EXPECT_EQ(numbered.size(), 26u);
    EXPECT_EQ(*numbered.rbegin(), kestrine::BONE_R_CHEEK);

    const auto materials = Materials(model);
    for (const kestrine::BodyPart& part : kestrine::kBodyParts) {
      const bool lowerLeg = std::string(part.displayName).find("Foot") != std::string::npos;
      if (lowerLeg && !shape.lowerLegs) continue;
      if (std::string(part.clothingMaterial) == "l_boot" && !shape.leftFoot) continue;
      EXPECT_TRUE(materials.count(Wide(part.skinMaterial))) << part.displayName;
      if (*part.clothingMaterial) {
        EXPECT_TRUE(materials.count(Wide(part.clothingMaterial))) << part.displayName;
      }
    }
    EXPECT_TRUE(materials.count(L"in_helm") && materials.count(L"s_butt1"));
    EXPECT_EQ(materials.count(L"blinn32"), shape.kneeCaps ? 1u : 0u);
    EXPECT_EQ(materials.count(L"l_boot"), shape.lowerLegs && shape.leftFoot ? 1u : 0u);

    std::set<int32_t> poses;
    for (int i = 0; i < model->GetAnimationCount(); ++i) {
      poses.insert(kestrine::PoseOfAnimationName(model->GetAnimationName(i)));
      EXPECT_GT(model->GetAnimationLength(model->GetAnimationName(i)), 0.0f);
    }
    for (const kestrine::PoseName& pose : kestrine::kPoseNames) EXPECT_TRUE(poses.count(pose.pose)) << pose.name;
    EXPECT_FALSE(poses.count(-1));
  }
}

TEST_F(PatientBodiesTest, APickShapeLandsOnTheBodyPartItNames) {
  const auto model = Load(PatientBodyFile({}));
  const engine::ModelGeometry geometry = engine::ModelGeometryOf(*model);
  const auto inside = [&](const Vec3& p, const wchar_t* material) {
    Vec3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
    for (const engine::ModelBatch& batch : geometry.batches) {
      if (*batch.material != material) continue;
      for (const engine::GeometryVertex& v : *batch.vertices) {
        low = {std::min(low.x, v.px), std::min(low.y, v.py), std::min(low.z, v.pz)};
        high = {std::max(high.x, v.px), std::max(high.y, v.py), std::max(high.z, v.pz)};
      }
    }
    constexpr float kSlack = 0.05f;
    return p.x > low.x - kSlack && p.x < high.x + kSlack && p.y > low.y - kSlack && p.y < high.y + kSlack &&
           p.z > low.z - kSlack && p.z < high.z + kSlack;
  };
  const std::pair<int32_t, const wchar_t*> expected[] = {
      {kestrine::BONE_HEAD, L"head1"},           {kestrine::BONE_L_HAND, L"l_hand1"},
      {kestrine::BONE_R_HAND, L"r_hand1"},       {kestrine::BONE_SPINE2, L"u_chest"},
      {kestrine::BONE_SPINE3, L"u_back1"},       {kestrine::BONE_SPINE1, L"u_butt2"},
      {kestrine::BONE_L_ANKLE, L"l_boot"},       {kestrine::BONE_R_ANKLE, L"r_boot"},
      {kestrine::BONE_R_KNEE, L"u_right_leg1"},  {kestrine::BONE_L_HIP, L"u_left_leg1"},
      {kestrine::BONE_L_SHLDR, L"u_left_arm1"},  {kestrine::BONE_R_ELBOW, L"u_right_arm1"},
      {kestrine::BONE_LO_MOUTH, L"teethtounge"}, {kestrine::BONE_L_EYE1, L"l_eye"},
  };
  for (const auto& [bone, material] : expected) {
    kestrine::Offset3 offset{};
    kestrine::PickShapeOf(bone, &offset);
    const Vec3 centre =
        model->FindPart(Wide(kestrine::kBoneNames[bone]))->WorldTransform().Point({offset.x, offset.y, offset.z});
    EXPECT_TRUE(inside(centre, material)) << kestrine::kBoneNames[bone];
    // And not on the other side of him.
    EXPECT_FALSE(inside({-centre.x, centre.y, centre.z}, material) && std::fabs(centre.x) > 0.3f)
        << kestrine::kBoneNames[bone];
  }
}

// The sitting and the lying forms of the holds.
const std::set<int32_t> kSitting = {0, 2, 4, 6, 8, 10, 12, 19, 21};
const std::set<int32_t> kLying = {1, 3, 5, 7, 9, 11, 13, 20, 22};

TEST_F(PatientBodiesTest, HoldsSitHimUpAndLieHimDownAndNoPoseEndsInTheGround) {
  const auto model = Load(PatientBodyFile({}));
  const float headAtRest = At(model, "head").y;
  for (const kestrine::PoseName& pose : kestrine::kPoseNames) {
    if (pose.pose >= kestrine::kFirstMouthPose && pose.pose < kestrine::kFirstMouthPose + kestrine::kMouthShapeCount)
      continue;
    const std::wstring name = Wide(pose.name);
    if (model->GetAnimationLength(name) == 0.0f) continue;  // pose 39's other name
    PlayOut(model, name);
    for (int i = 0; i < model->GetBoneCount(); ++i)
      EXPECT_GT(model->GetBone(i)->GetPosition()->GetY(), -0.02f) << pose.name << " " << i;
    const float head = At(model, "head").y;
    if (kSitting.count(pose.pose)) {
      EXPECT_GT(head, headAtRest + 0.7f) << pose.name;
    } else if (kLying.count(pose.pose)) {
      EXPECT_NEAR(head, headAtRest, 0.05f) << pose.name;
    }
    model->StopAnimation(name);
  }
  // Rolled over: his face is underneath.
  PlayOut(model, L"roll_over");
  EXPECT_LT(At(model, "l_eye1").y, At(model, "head").y);
}

TEST_F(PatientBodiesTest, MouthShapesAreHeldPosesAndTheLowerLegsHaveTheirMaterials) {
  const auto model = Load(PatientBodyFile({}));
  const auto jaw = [&] { return model->FindPart(L"lo_mouth")->LocalRotation().r; };
  const Vec3 closed = jaw();
  // The game plays mouth shapes backwards from their start: the shape must be there at once.
  model->PlayAnimationEx(L"ph_A", -1.2f, 0, 0.0f, 0, 1.0f, 0, 1, 0);
  root_->Wait(20);
  EXPECT_LT(jaw().Dot(closed), 0.95f);
  model->PlayAnimation(L"ph_norm", 0, 1, -1.2f, 0, 0);
  root_->Wait(20);
  EXPECT_GT(jaw().Dot(closed), 0.999f);
  const float eyeOpen = At(model, "l_eye1").y;
  model->PlayAnimation(L"ph_blink", 0, 1, -1.2f, 0, 0);
  root_->Wait(20);
  EXPECT_LT(At(model, "l_eye1").y, eyeOpen - 0.02f);

  EXPECT_EQ(Materials(Load(PatientStumpFile(true))),
            (std::set<std::wstring>{L"feet2_s_right_leg1", L"feet2_r_boot", L"feet2_blinn32"}));
  EXPECT_EQ(Materials(Load(PatientStumpFile(false))),
            (std::set<std::wstring>{L"leftfoot_s_left_leg1", L"leftfoot_l_boot", L"leftfoot_blinn32"}));
}

}  // namespace
}  // namespace assetgen
