// The treatment models a shown patient wears, and letting go of his body's engine objects.
#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_speech.h"
#include "casualty_view/spurt.h"
#include "casualty_view/treatment_assets.h"

namespace kestrine {

namespace {

// Off its parent (a bone, the ground) and off the stage.
void TakeAway(const engine::EngineRef<engine::EngineStage>& stage, const engine::EngineRef<engine::EngineNode>& node) {
  if (!node) return;
  if (node->Parent() != nullptr) node->Parent()->RemoveChild(node);
  if (stage) stage->RemoveObject(node);
}

}  // namespace

void Patient::AttachAppliedItems() {
  const auto& jointFrames = ObjectsOf(*this).jointFrames;
  for (int32_t slot = 0; slot < kJointFrameSlots; ++slot)
    if (jointFrames[slot] && treatmentAssets.models[slot]) jointFrames[slot]->AddChild(treatmentAssets.models[slot]);
}

void Patient::DetachAppliedItems() {
  const auto& jointFrames = ObjectsOf(*this).jointFrames;
  for (int32_t slot = 0; slot < kJointFrameSlots; ++slot)
    if (jointFrames[slot] && treatmentAssets.models[slot]) jointFrames[slot]->RemoveChild(treatmentAssets.models[slot]);
}

void ModelBody::ReleasePatient() {
  // The treatment models belong to every patient: they must not go down with this one's frames.
  patient_.DetachAppliedItems();

  for (const auto* model : {&bodyModel, &rightStump, &leftStump}) TakeAway(stage, *model);
  bodyModel.Reset();
  rightStump.Reset();
  leftStump.Reset();
  stumpSkin.Reset();

  ReleaseTextureBitmaps();
  for (auto& frame : jointFrames) frame.Reset();

  TakeAway(stage, patientActor);
  patientActor.Reset();

  // Every entry, not only the first boneCount numbers: the elbow spheres sit at numbers a model with few
  // bones never reaches.
  for (int32_t bone = 0; bone < kMaxBones; ++bone) {
    shapeMeshes[bone].Reset();
    boneFrames[bone].Reset();
  }

  // The spurt's drops belong to whoever is shown; the next wound set-up makes them again.
  ReleaseSpurtDrops(stage.Get());

  ReleaseBloodPools(patient_);
  ReleaseBloodSplat(patient_);
  ReleaseInjuryProp();
  dogTag = DogTag{};
  caseChart.Release();
  for (int k = 0; k < kMagazineCount; ++k) {
    ammoPouch.magazines[k].Reset();
    ammoPouch.meshes[k].Reset();
  }
  for (int k = 0; k < kPendingActionCount; ++k) {
    pendingItem[k].Reset();
    pendingParent[k].Reset();
  }
  savedCamera.Reset();
  // One line is said at a time in the whole program, whoever says it: it ends with the patients.
  ReleasePatientSpeech();
}

}  // namespace kestrine
