// A patient built on the headless engine from body files of the test's own making: the bones a model
// names and the ones the record can hold, a body without bones, the animation names matched to poses, the
// ammunition taken once, the first own soldier's amputation body with its lower legs, what the treatment
// rules show on the body, and letting go of it all.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "casualty/backpack.h"
#include "casualty/body_model_choice.h"
#include "casualty/patient.h"
#include "casualty/treatment_items.h"
#include "casualty_view/model_body.h"
#include "casualty_view/spurt.h"
#include "casualty_view/treatment_assets.h"
#include "core/engine_internals.h"
#include "core/geometry.h"
#include "shell/engine_setup.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/random.h"
#include "shell/screen_text.h"
#include "tools/assetgen/model_builder.h"
#include "tools/assetgen/patient_generators.h"
#include "unit/casualty/headless_stage_fixture.h"

namespace kestrine {
namespace {

constexpr int32_t kFaceWound = 31;  // an ordinary wound row: the soldier's body
constexpr uint32_t kPatchColour = 0xc8a080;

// A skinned model whose bones are `bones` in that order, each 0.1 further along x, with the animations.
std::string Skeleton(const std::vector<std::string>& bones, const std::vector<std::string>& animations = {}) {
  assetgen::ModelBuilder b;
  const int skin = b.AddMaterial("head1", {200, 160, 130});
  for (const std::string& name : bones) b.AddPart(name, -1, {0.1f, 0, 0});
  b.AddBox(0, skin, {}, {0.1f, 0.1f, 0.1f});
  for (const std::string& name : animations) b.AddAnimation(name, {{0, {0, 1}, {{}, {}}, {}}});
  return b.WriteSkinned();
}

class PatientBodyTest : public HeadlessStageTest {
 protected:
  void Write(const std::string& gamePath, const std::string& bytes) { tree_.WriteBytes(gamePath, bytes); }
  // The generated bodies and lower legs, where the game loads them.
  void WriteGameBodies() {
    Write("patient\\pv-sold\\pv_sold.qsad", assetgen::PatientBodyFile({}));
    Write("patient\\injury\\pv-legamp\\pv_legamp.qsad", assetgen::PatientBodyFile({false, true, true}));
    Write("patient\\injury\\pv-legamp\\stub-r\\stub_r.qsad", assetgen::PatientStumpFile(true));
    Write("patient\\injury\\pv-legamp\\stub-l\\stub_l.qsad", assetgen::PatientStumpFile(false));
    // The leg's skin: shades all over but for one patch of skin colour at (180, 130).
    tree_.WriteBmp("patient\\textures\\wlcamo\\white\\s-leg.qjp", 256, 256, [](int x, int y) {
      return x >= 180 && x < 200 && y >= 130 && y < 140 ? kPatchColour : static_cast<uint32_t>(x << 8 | y);
    });
  }
  static std::unique_ptr<Patient> Build(int32_t wound, int32_t appearance) {
    return BuildPatient(Engine().engineRoot, Engine().engineStage, wound, appearance, nullptr);
  }
  static std::string Log() { return engine::CoreOf(*Engine().engineRoot).DebugLog(); }
};

TEST_F(PatientBodyTest, FortyBonesFillTheRecordsThirtyEightAndOnlyNamedBonesGetPickShapes) {
  std::vector<std::string> bones;
  for (int n = 0; n < BONE_LEFT_ELBOW; ++n)
    if (n != BONE_HEAD) bones.push_back(kBoneNames[n]);
  while (bones.size() < kMaxBones) bones.push_back("extra" + std::to_string(bones.size()));
  bones.push_back("head");  // bone 39: beyond what the record holds
  bones.push_back("last");
  Write("patient\\pv-sold\\pv_sold.qsad", Skeleton(bones, {"roll_over1", "hold_guts__lie", "pvidle", "dance", "1"}));
  const auto patient = Build(kFaceWound, 2);

  EXPECT_EQ(patient->boneCount, 38);
  EXPECT_EQ(patient->boneNames[37], L"extra37");
  EXPECT_FALSE(ObjectsOf(*patient).boneFrames[BONE_HEAD]);
  EXPECT_EQ(patient->headBone, -1);
  for (int n = 0; n < BONE_LEFT_ELBOW; ++n) {
    if (n == BONE_HEAD) continue;
    ASSERT_TRUE(ObjectsOf(*patient).boneFrames[n]) << kBoneNames[n];
    EXPECT_EQ(ObjectsOf(*patient).boneFrames[n]->GetName(), patient->boneNames[n < BONE_HEAD ? n : n - 1]);
    EXPECT_EQ(ObjectsOf(*patient).boneFrames[n]->Parent()->GetName(), ObjectsOf(*patient).boneFrames[n]->GetName());
    EXPECT_EQ(ObjectsOf(*patient).boneFrames[n]->OptionValue(), engine::EngineNode::kOptionPickShape);
  }
  // The elbow spheres hang from the forearms' shapes; bones the table does not name carry nothing.
  EXPECT_EQ(ObjectsOf(*patient).boneFrames[BONE_LEFT_ELBOW]->Parent(),
            ObjectsOf(*patient).boneFrames[BONE_L_ELBOW].Get());
  EXPECT_EQ(ObjectsOf(*patient).boneFrames[BONE_RIGHT_ELBOW]->Parent(),
            ObjectsOf(*patient).boneFrames[BONE_R_ELBOW].Get());
  EXPECT_TRUE(ObjectsOf(*patient).bodyModel->GetBone(30)->Children().empty());
  // No joint frame for the head; the mouth's is there.
  EXPECT_FALSE(ObjectsOf(*patient).jointFrames[6]);
  EXPECT_TRUE(ObjectsOf(*patient).jointFrames[10]);
  EXPECT_NE(Log().find("no head for joint frame 6"), std::string::npos);

  // Animations: a trailing digit is dropped, the first pose the name begins is taken, the rest stay -1.
  EXPECT_EQ(patient->animationCount, 5);
  EXPECT_EQ(patient->animationIndex[41], 0);
  EXPECT_EQ(patient->animationIndex[1], 1);
  EXPECT_EQ(patient->animationIndex[0], -1);
  EXPECT_EQ(patient->animationIndex[39], 2);
  int mapped = 0;
  for (int pose = 0; pose < kPoseCount; ++pose) mapped += patient->animationIndex[pose] >= 0;
  EXPECT_EQ(mapped, 3);
}

TEST_F(PatientBodyTest, AReadyBodyWithoutBonesIsBuiltAtOnceWithNothingToPick) {
  // No file at all: the engine's placeholder has no bones.
  const auto patient = Build(kFaceWound, 2);
  EXPECT_EQ(patient->boneCount, 0);
  for (const auto& frame : ObjectsOf(*patient).boneFrames) EXPECT_FALSE(frame);
  for (int slot = 0; slot < kJointFrameSlots; ++slot)
    EXPECT_EQ(static_cast<bool>(ObjectsOf(*patient).jointFrames[slot]), slot == 13 || slot == 14 || slot == 22) << slot;
  EXPECT_FALSE(ObjectsOf(*patient).ammoPouch.magazines[0]);
  EXPECT_NE(Log().find("no bones"), std::string::npos);
  EXPECT_EQ(ObjectsOf(*patient).bodyModel->GetPosition()->GetY(), -100.0f);  // parked all the same
}

TEST_F(PatientBodyTest, TakingTheAmmunitionDrawsRifleThenPistolThenGrenadesOnceAndCapsThem) {
  WriteGameBodies();
  const auto patient = Build(kFaceWound, 2);
  ASSERT_TRUE(ObjectsOf(*patient).ammoPouch.magazines[3]);
  EXPECT_EQ(ObjectsOf(*patient).ammoPouch.magazines[3]->GetName(), kAmmoName);
  EXPECT_EQ(ObjectsOf(*patient).ammoPouch.magazines[3]->Parent(), ObjectsOf(*patient).boneFrames[BONE_SPINEBASE].Get());

  // Seed 12345 draws 7584, 19164, 25795: 145 rifle rounds, 40 pistol rounds, 4 grenades.
  srand(12345);
  patient->TakeAmmo();
  EXPECT_EQ(Pack().count[TOOL_M4], 145);
  EXPECT_EQ(Pack().count[TOOL_BERETTA], 40);
  EXPECT_EQ(Pack().count[TOOL_GRENADE], 4);
  for (const auto& magazine : ObjectsOf(*patient).ammoPouch.magazines) EXPECT_FALSE(magazine->Visible());
  const uint32_t generator = RandomState();
  patient->TakeAmmo();
  EXPECT_EQ(Pack().count[TOOL_M4], 145);
  EXPECT_EQ(RandomState(), generator);

  // A nearly full pack tops up to what a full pack holds.
  const auto another = Build(kFaceWound, 3);
  SetToolCount(TOOL_M4, 239);
  SetToolCount(TOOL_BERETTA, 74);
  SetToolCount(TOOL_GRENADE, 3);
  another->TakeAmmo();
  EXPECT_EQ(Pack().count[TOOL_M4], 240);
  EXPECT_EQ(Pack().count[TOOL_BERETTA], 75);
  EXPECT_EQ(Pack().count[TOOL_GRENADE], 4);
}

TEST_F(PatientBodyTest, TheFirstOwnSoldierAloneGetsTheAmputationBodyWithItsLowerLegsOnTheKnees) {
  WriteGameBodies();
  const auto enemy = Build(kFaceWound, 2);
  const auto first = Build(kFaceWound, 0);
  const auto second = Build(kFaceWound, 0);
  EXPECT_EQ(enemy->noBoots, 0);
  EXPECT_EQ(enemy->appearance, 2);
  EXPECT_EQ(first->noBoots, 1);
  EXPECT_EQ(first->appearance, 1);
  EXPECT_EQ(second->noBoots, 0);
  EXPECT_EQ(second->appearance, 0);
  EXPECT_FALSE(ObjectsOf(*second).rightStump);
  EXPECT_EQ(PatientsBuilt(), 3);

  ASSERT_TRUE(ObjectsOf(*first).rightStump && ObjectsOf(*first).leftStump);
  EXPECT_EQ(ObjectsOf(*first).rightStump->Parent(), ObjectsOf(*first).boneFrames[BONE_R_KNEE].Get());
  EXPECT_EQ(ObjectsOf(*first).leftStump->Parent(), ObjectsOf(*first).boneFrames[BONE_L_KNEE].Get());
  EXPECT_EQ(ObjectsOf(*first).leftStump->Scale().y, 2.6f);
  // The cut ends wear one colour: the skin picture is filled with its own patch.
  const engine::Color patch{0xc8, 0xa0, 0x80};
  EXPECT_EQ(ObjectsOf(*first).stumpSkin->PixelColor(0, 0), patch);
  EXPECT_EQ(ObjectsOf(*first).stumpSkin->PixelColor(255, 255), patch);

  // The saw takes the left lower leg off.
  TreatmentVisual saw;
  saw.kind = VISUAL_LEG_STUMP;
  saw.part = PART_LEFT_CALF;
  first->Body().ShowTreatmentVisual(saw);
  EXPECT_FALSE(ObjectsOf(*first).leftStump->Visible());
  EXPECT_TRUE(ObjectsOf(*first).rightStump->Visible());
}

TEST_F(PatientBodyTest, TreatmentModelsHangOnTheShownPatientTheBlanketCoversThemAndCutsPaintTheClothing) {
  WriteGameBodies();
  const auto patient = Build(kFaceWound, 2);
  for (int32_t slot : {ITEM_LEFT_ARM_SPLINT, ITEM_BURN_BLANKET, ITEM_AMBU_BAG})
    treatmentAssets.models[slot] = Engine().engineRoot->CreateActor();
  const auto& splint = treatmentAssets.models[ITEM_LEFT_ARM_SPLINT];
  const auto& blanket = treatmentAssets.models[ITEM_BURN_BLANKET];
  patient->AttachAppliedItems();
  EXPECT_EQ(splint->Parent(), ObjectsOf(*patient).jointFrames[ITEM_LEFT_ARM_SPLINT].Get());
  EXPECT_EQ(treatmentAssets.models[ITEM_AMBU_BAG]->Parent(), nullptr);  // no frame in its slot

  patient->appliedItems = ItemBit(ITEM_LEFT_ARM_SPLINT) | ItemBit(ITEM_BURN_BLANKET);
  TreatmentVisual visual;
  visual.kind = VISUAL_BLANKET_ON;
  patient->Body().ShowTreatmentVisual(visual);
  EXPECT_FALSE(splint->Visible());
  EXPECT_TRUE(blanket->Visible());
  visual.kind = VISUAL_ITEM_HIDDEN;
  visual.item = ITEM_BURN_BLANKET;
  patient->Body().ShowTreatmentVisual(visual);
  EXPECT_FALSE(blanket->Visible());
  patient->appliedItems &= ~ItemBit(ITEM_BURN_BLANKET);
  visual.kind = VISUAL_BLANKET_OFF;
  patient->Body().ShowTreatmentVisual(visual);
  EXPECT_TRUE(splint->Visible());
  EXPECT_FALSE(blanket->Visible());

  patient->DetachAppliedItems();
  EXPECT_EQ(splint->Parent(), nullptr);

  // Cut clothing wears the cut picture until the wound's materials are reset.
  const auto textureOf = [&](const wchar_t* material) -> const engine::EngineBitmap* {
    for (const engine::ModelBatch& batch : engine::ModelGeometryOf(*ObjectsOf(*patient).bodyModel).batches)
      if (*batch.material == material) return batch.texture;
    return nullptr;
  };
  treatmentAssets.pictures[kCutPicture] = Engine().engineRoot->CreateBitmap(4, 4);
  visual.kind = VISUAL_CLOTHING_CUT;
  visual.material = "u_chest";
  patient->Body().ShowTreatmentVisual(visual);
  EXPECT_EQ(textureOf(L"u_chest"), treatmentAssets.pictures[kCutPicture].Get());
  const engine::EngineBitmap* back = textureOf(L"u_back1");
  EXPECT_NE(back, treatmentAssets.pictures[kCutPicture].Get());
  patient->Body().ResetModelMaterials();
  EXPECT_NE(textureOf(L"u_chest"), treatmentAssets.pictures[kCutPicture].Get());
  EXPECT_NE(textureOf(L"u_back1"), back);  // the model file's own pictures again
}

TEST_F(PatientBodyTest, ReleasingThePatientLeavesNothingOnTheStageAndKeepsTheSharedModels) {
  WriteGameBodies();
  const size_t before = Engine().engineStage->Objects().size();
  auto patient = Build(kAmputationBodyWound, 1);
  // The patient actor, the spurt, the vehicle on his leg with its shadow, and his two blood pools.
  EXPECT_EQ(Engine().engineStage->Objects().size(), before + 1 + kSpurtDropCount + 2 + 2);
  treatmentAssets.models[ITEM_NECK_SPLINT] = Engine().engineRoot->CreateActor();
  patient->AttachAppliedItems();
  const engine::EngineRef<engine::EngineModel> body = ObjectsOf(*patient).bodyModel;
  const engine::EngineRef<engine::EngineModel> stump = ObjectsOf(*patient).leftStump;

  patient->Body().ReleasePatient();
  patient.reset();
  EXPECT_EQ(Engine().engineStage->Objects().size(), before);
  EXPECT_EQ(body->RefCount(), 1);  // only this test still holds them
  EXPECT_EQ(stump->RefCount(), 1);
  EXPECT_EQ(treatmentAssets.models[ITEM_NECK_SPLINT]->Parent(), nullptr);
}

}  // namespace
}  // namespace kestrine
