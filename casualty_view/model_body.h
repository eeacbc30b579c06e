// The body of a patient built on the engine: his engine objects (the model, its pick shapes and joint frames,
// his lower legs, textures, props, blood, magazines, dog tag and case chart), how they are built and let go,
// and the hooks of the treatment rules acting on them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

#include "casualty/joint_frames.h"
#include "casualty/patient.h"
#include "casualty/patient_body.h"
#include "casualty/patient_bones.h"
#include "casualty_view/ammo_pouch.h"
#include "casualty_view/blood_pools.h"
#include "casualty_view/blood_splat.h"
#include "casualty_view/case_chart.h"
#include "casualty_view/dog_tag.h"
#include "casualty_view/injury_prop.h"
#include "casualty_view/texture_state.h"
#include "engine/engine.h"

namespace kestrine {

// A patient's engine objects. A patient of the rules alone has none: the view sees an empty record for him.
struct BodyObjects {
  engine::EngineRef<engine::EngineRoot> root;
  engine::EngineRef<engine::EngineStage> stage;
  engine::EngineRef<engine::EngineModel> bodyModel;
  engine::EngineRef<engine::EngineActor> patientActor;
  engine::EngineRef<engine::EngineModel> rightStump;  // the amputation body's lower legs
  engine::EngineRef<engine::EngineModel> leftStump;
  CaseChart caseChart;
  TextureState textureState;
  // Bones by bone number: the pick shapes and the pick actors.
  engine::EngineRef<engine::EngineMesh> shapeMeshes[kMaxBones];
  // The pick actor of each bone: a child of the model's bone carrying its pick shape, named after it.
  // Everything hung "on a bone" hangs on these.
  engine::EngineRef<engine::EngineActor> boneFrames[kMaxBones];
  engine::EngineRef<engine::EngineBitmap> stumpSkin;
  // Where the camera was when the player left him (Patient::cameraSaved says whether it is set).
  engine::EngineRef<engine::EngineVector> savedCamera;
  // The items of the item changes waiting for the end of the animation playing (Patient::pendingAction).
  engine::EngineRef<engine::EngineActor> pendingItem[kPendingActionCount];
  engine::EngineRef<engine::EngineActor> pendingParent[kPendingActionCount];
  std::unique_ptr<InjuryProp> prop;    // the wound's own prop, or none
  std::unique_ptr<InjuryProp> turban;  // an enemy with turban wears one besides
  engine::EngineRef<engine::EngineActor> jointFrames[kJointFrameSlots];
  AmmoPouch ammoPouch;
  DogTag dogTag;
  std::unique_ptr<BloodPool> bloodPools;  // the newest first
  std::unique_ptr<BloodSplat> bloodSplat;
};

class ModelBody : public PatientBody, public BodyObjects {
 public:
  ModelBody(Patient& patient, const engine::EngineRef<engine::EngineRoot>& rootIn,
            const engine::EngineRef<engine::EngineStage>& stageIn);

  // Loads the body for the wound row and appearance (a casualty unit's severity code: 0, 1 own soldiers, 2
  // enemy, 3 enemy with turban), hangs a pick shape on every named bone, sets up the wound (reading it from
  // `loading` when a save game is being loaded), makes the joint frames and the ammunition, and parks the
  // body out of sight 100 units under the ground.
  void Build(int32_t woundTypeIn, int32_t appearanceIn, std::FILE* loading);

  void SetUpTextureState(int32_t row) override;
  void LoadPatientTextures(int32_t row) override;
  void ReleaseTextureBitmaps() override;
  bool IsSidedTextureLocation(BodyLocation location) override;
  void PaintWoundTexture(BodyLocation location, const char* texture) override;
  void ResetModelMaterials() override;
  void CreateInjuryProps(int32_t row) override;
  void ReleaseInjuryProp() override;
  void CreateBloodPools(int32_t row) override;
  void MakeSpurtDrops() override;
  void ShowTreatmentVisual(const TreatmentVisual& visual) override;
  int32_t PlayAnimation(int32_t pose) override;
  void CloseToolDrawer() override;
  void SetBloodPoolRate(float rate) override;
  void AddChartEntry(const char* text) override;
  void HideMagazines() override;
  void ReleasePatient() override;

 private:
  // Construction, in its order.
  void LoadBodyModel(int32_t row, int32_t requestedAppearance);
  void MakePatientActor();
  void MakePickShapes();
  void MakePickActor(int32_t bone, const engine::EngineRef<engine::EngineNode>& parent);
  void ReadMaterialsAndAnimations();
  void MakeLegStumps();
  void BuildJointFrames();
  void MakeMagazines();
  // Shows or hides the treatment model of a slot, when the view has loaded one.
  void ShowItem(int32_t slot, bool visible);
  void PaintMaterial(const char* material);
  // Bands and dressings painted into the textures of a body part.
  void RepaintBands(int32_t part);
  void PaintAirtightDressing(int32_t part);

  Patient& patient_;
};

// A casualty of the patient view: a patient with a ModelBody, built (ModelBody::Build).
std::unique_ptr<Patient> BuildPatient(const engine::EngineRef<engine::EngineRoot>& root,
                                      const engine::EngineRef<engine::EngineStage>& stage, int32_t woundType,
                                      int32_t appearance, std::FILE* loading);

// The patient's engine objects: his ModelBody's, or an empty record for a patient of the rules alone (made
// afresh at each call, so nothing put in it stays).
BodyObjects& ObjectsOf(Patient& patient);
const BodyObjects& ObjectsOf(const Patient& patient);

// While a body animation plays, an item change (a PendingAction) waits for its end, replacing any change of
// the same item already waiting. False when nothing plays, every slot is taken or the patient has no body
// on the engine: make it now.
bool HoldBackItemChange(Patient& patient, int32_t action, const engine::EngineRef<engine::EngineActor>& item,
                        const engine::EngineRef<engine::EngineActor>& parent = {});
// Whether the item waits to be shown (it stays hidden until then).
bool HoldsBackShowing(const Patient& patient, const engine::EngineRef<engine::EngineActor>& item);

// The motions treatment starts: rolling off the rebar and being pulled from under the vehicle (the scene's
// ground, his prop and its shadow slide), being turned over, and a lift; and his prop's own motion.
// `ground` is the scene's ground model (none: nothing to slide); the slide waits while a tool animation
// plays. Once a frame, for the shown patient.
void UpdatePatientMotion(Patient& patient, const engine::EngineRef<engine::EngineModel>& ground,
                         bool toolAnimationPlaying);

}  // namespace kestrine
