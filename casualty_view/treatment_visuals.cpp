// The treatment pictures, models and animations of the patient view.
#include "casualty_view/treatment_visuals.h"

#include "casualty/treatment_items.h"
#include "casualty_view/tool_animation.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

struct TreatmentPlacements {
  TreatmentPlacement placements[kTreatmentModelCount];
};
TreatmentPlacements treatmentPlacementState;
KESTRINE_PROGRAM_STATE(treatmentPlacementState);

const wchar_t* const kPicturePaths[kTreatmentPictureCount] = {
    L"patient\\treatment\\chstwrap.qpg",
    L"patient\\treatment\\occlusiveDressingLB.qpg",
    L"patient\\treatment\\tourniquet.qpg",
    L"patient\\treatment\\cut.qpg",
    L"patient\\treatment\\cut2.qpg",
    L"patient\\treatment\\cut3.qpg",
    L"patient\\treatment\\cut4.qpg",
    L"patient\\treatment\\nosebandage.qpg",
    L"patient\\treatment\\ear-head-bandage.qpg",
    L"patient\\treatment\\bandage-any.qpg",
    L"patient\\treatment\\neck-bandage.qpg",
    L"patient\\treatment\\headbandage.qpg",
    L"patient\\treatment\\abdomenbandage.qpg",
};

// Slots 0..9 and 19 live in "treatment3d", the others in "treatment3D": the folder name as written.
const wchar_t* const kModelPaths[kTreatmentModelCount] = {
    L"patient\\treatment3d\\rigidsplintleftarm.qsad",
    L"patient\\treatment3d\\rarmrigidsplint.qsad",
    L"patient\\treatment3d\\ruplegrigidsplint.qsad",
    L"patient\\treatment3d\\rlowlegrigidsplint.qsad",
    L"patient\\treatment3d\\luplegrigidsplint.qsad",
    L"patient\\treatment3d\\llowlegsplint.qsad",
    L"patient\\treatment3d\\rigidsplinthead.qsad",
    L"patient\\treatment3d\\chestcatheder.qsad",
    L"patient\\treatment3d\\ivfluids.qsad",
    L"patient\\treatment3d\\ivfluids.qsad",
    L"patient\\treatment3D\\nasalairway.qsad",
    L"patient\\treatment3D\\burnblanket.qsad",
    nullptr,
    L"patient\\treatment3D\\left_arm_sling.qsad",
    L"patient\\treatment3D\\right_arm_sling.qsad",
    nullptr,
    L"patient\\treatment3D\\legwrapr.qsad",
    L"patient\\treatment3D\\legwrapl.qsad",
    L"patient\\treatment3D\\ambu_bag.qsad",
    L"patient\\treatment3d\\fastcrich.qsad",
    nullptr,
    nullptr,
    L"patient\\treatment3D\\waistcravat.qsad",
    L"patient\\treatment3D\\leg_wrap_amputation.qsad",
};

constexpr float kAmbuBagScale = 1.3f;

}  // namespace

const wchar_t* TreatmentPicturePath(int32_t slot) {
  return slot >= 0 && slot < kTreatmentPictureCount ? kPicturePaths[slot] : nullptr;
}

const wchar_t* TreatmentModelPath(int32_t slot) {
  return slot >= 0 && slot < kTreatmentModelCount ? kModelPaths[slot] : nullptr;
}

void LoadTreatmentVisuals() {
  for (int32_t slot = 0; slot < kTreatmentPictureCount; ++slot) {
    auto& picture = treatmentAssets.pictures[slot];
    picture = Engine().engineRoot->LoadBitmap(kPicturePaths[slot], 1);
    while (!WaitForAsset(picture)) {
    }
  }
  for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot) {
    // The empty slots stay empty: every user of a slot checks it holds a model.
    if (kModelPaths[slot] == nullptr) continue;
    auto& model = treatmentAssets.models[slot];
    model = Engine().engineRoot->LoadModel(kModelPaths[slot], 1);
    while (!WaitForModel(model)) {
    }
    // Nothing is worn until treatment puts it on.
    model->SetVisible(0);
  }
  if (const auto& bag = treatmentAssets.models[ITEM_AMBU_BAG]) {
    bag->SetScale(kAmbuBagScale, kAmbuBagScale, kAmbuBagScale);
    Engine().engineStage->AddObject(bag);
  }
  SaveTreatmentPlacements();
  LoadToolAnimations();
}

void SaveTreatmentPlacements() {
  for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot) {
    TreatmentPlacement& placement = treatmentPlacementState.placements[slot];
    const auto& model = treatmentAssets.models[slot];
    if (!model) {
      placement = TreatmentPlacement{};
      continue;
    }
    placement.position = model->LocalPosition();
    placement.direction = model->GetDirection()->Value();
    placement.up = model->GetUp()->Value();
    placement.saved = true;
  }
}

void ReleaseTreatmentVisuals() {
  if (Engine().engineStage)
    if (const auto& bag = treatmentAssets.models[ITEM_AMBU_BAG]) Engine().engineStage->RemoveObject(bag);
  // A model still worn hangs on a patient's joint frame: it comes off before it goes.
  for (auto& model : treatmentAssets.models) {
    if (model && model->Parent() != nullptr) model->Parent()->RemoveChild(model);
    model.Reset();
  }
  for (auto& picture : treatmentAssets.pictures) picture.Reset();
  for (TreatmentPlacement& placement : treatmentPlacementState.placements) placement = TreatmentPlacement{};
  ReleaseToolAnimations();
}

}  // namespace kestrine
