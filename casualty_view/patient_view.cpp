// Building, entering, leaving and running the patient view.
#include "casualty_view/patient_view.h"

#include <iterator>
#include <string>

#include "casualty/casualty_slots.h"
#include "casualty/hints.h"
#include "casualty/patient.h"
#include "casualty/patient_bones.h"
#include "casualty/remark_box.h"
#include "casualty/speech_kinds.h"
#include "casualty/step_interpreter.h"
#include "casualty/tool_table.h"
#include "casualty/treatment_items.h"
#include "casualty/vitals.h"
#include "casualty/wound_types.h"
#include "casualty_view/blood_pools.h"
#include "casualty_view/bone_markers.h"
#include "casualty_view/dog_tag.h"
#include "casualty_view/hud_readouts.h"
#include "casualty_view/model_body.h"
#include "casualty_view/patient_hud.h"
#include "casualty_view/patient_speech.h"
#include "casualty_view/scene_backdrop.h"
#include "casualty_view/surroundings.h"
#include "casualty_view/surroundings_kinds.h"
#include "casualty_view/texture_bands.h"
#include "casualty_view/texture_templates.h"
#include "casualty_view/tool_animation.h"
#include "casualty_view/tool_images.h"
#include "casualty_view/tool_tray.h"
#include "casualty_view/treatment_visuals.h"
#include "shell/asset_loader.h"
#include "shell/engine_setup.h"
#include "shell/events.h"
#include "shell/mission_frames.h"
#include "shell/mission_progress.h"
#include "shell/overlays.h"
#include "shell/program_state.h"
#include "shell/screen_text.h"
#include "shell/tooltip.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

PatientViewState patientView;
KESTRINE_PROGRAM_STATE(patientView);

}  // namespace

const PatientViewState& PatientView() { return patientView; }

void SelectTool(int32_t tool) { patientView.selectedTool = tool; }

void ScrollTray(int32_t dir, int32_t dt) { ScrollToolTray(patientView.trayScroll, dir, dt); }

void MoveViewPointer(int32_t x, int32_t y) {
  patientView.viewPointerX = x;
  patientView.viewPointerY = y;
}

void PressViewButtons(uint32_t bits) { patientView.buttons |= bits; }

void ReleaseViewButtons(uint32_t bits) { patientView.buttons &= ~bits; }

void ShowViewHint(std::string_view text, float x, float y, int32_t frames) {
  patientView.hintBox.Show(text, x, y, frames);
}

void HoldCameraKey(ViewCameraKey key, bool down) {
  switch (key) {
    case VIEW_ORBIT_LEFT:
      patientView.orbitLeft = down;
      break;
    case VIEW_ORBIT_RIGHT:
      patientView.orbitRight = down;
      break;
    case VIEW_CAMERA_UP:
      patientView.cameraUp = down;
      break;
    case VIEW_CAMERA_DOWN:
      patientView.cameraDown = down;
      break;
    case VIEW_ZOOM_MODIFIER:
      patientView.zoomModifier = down;
      break;
  }
}

void SetDeveloperStep(int32_t step) { patientView.developerStep = step; }

void UnlockDeveloperAids() {
  patientView.developerUnlocked = true;
  patientView.developerStep = 0;
}

void LockDeveloperAids() {
  patientView.developerUnlocked = false;
  patientView.developerStep = 0;
}

void ToggleDeveloperFreeHints() { patientView.developerFreeHints = !patientView.developerFreeHints; }

void ToggleBoneMarkers() { patientView.boneMarkers = !patientView.boneMarkers; }

namespace {

// The program's make-up rather than its state: registered once at start-up, kept across resets.
ViewCasualtySource& RegisteredCasualtyCases() {
  static ViewCasualtySource source = nullptr;
  return source;
}

constexpr int32_t kViewClampFrames = 3;
constexpr int32_t kRollOverTool = 4;
constexpr int32_t kNeckPart = 17;
constexpr int32_t kGloveTool = 8;
constexpr int32_t kActionTool = 38;
constexpr float kSurroundingsScale = 4.0f;
// The camera looks at the middle of the patient lying at the origin.
constexpr float kPatientMiddleY = 1.0f;
constexpr int32_t kHintFrames = 2;
constexpr float kHintX = 0.02f;
constexpr float kHintY = 0.1f;
constexpr float kDogTagX = 0.1f;
constexpr float kDogTagY = 0.1f;

const wchar_t* const kPatientPicturePaths[kPatientPictureCount] = {L"patient\\shadow0.qpg", L"patient\\shadow.qpg"};
// The trousers: the base, the two pictures the cut-away pieces come from, and the two whole alternatives.
const wchar_t* const kTrouserPicturePaths[] = {
    L"patient\\trousers\\base.qpg",   L"patient\\trousers\\cut-upper.qpg", L"patient\\trousers\\cut-lower.qpg",
    L"patient\\trousers\\whole1.qpg", L"patient\\trousers\\whole2.qpg",
};
constexpr int kShadowPicture = 1;
// The shadow: a large plane made small by its actor, flat on the ground under the patient.
constexpr float kShadowPlaneWidth = 800.0f;
constexpr float kShadowPlaneHeight = 1600.0f;
constexpr float kShadowScale = 0.01f;
constexpr int kShadowOpacity = 128;
constexpr float kShadowHeight = 0.02f;

void WaitForPicture(const engine::EngineRef<engine::EngineBitmap>& picture) {
  while (!WaitForAsset(picture)) {
  }
}

// Moves a node by dy on y, when there is one.
void Raise(const engine::EngineRef<engine::EngineNode>& node, float dy) {
  if (!node) return;
  const engine::Vec3 at = node->LocalPosition();
  node->MoveTo(at.x, at.y + dy, at.z);
}

// The surroundings of a kind, replacing those loaded: moved to the origin (under the ground while the view
// is parked), hidden until the view shows them. A kind whose model is missing leaves none.
void LoadSurroundings(int32_t kind) {
  PatientViewState& v = patientView;
  if (v.surroundings) {
    Engine().engineStage->RemoveObject(v.surroundings);
    v.surroundings.Reset();
  }
  v.camouflageNet.Reset();
  v.loadedKind = kind;
  const char* path = SurroundingsModelPath(kind);
  if (path == nullptr || !GameFileExists(path)) {
    Engine().engineRoot->DebugPrint(std::string("--- Sky does not exist ----"));
    return;
  }
  v.surroundings = Engine().engineRoot->LoadModel(WidenText(path), 1);
  v.surroundings->SetScale(kSurroundingsScale, kSurroundingsScale, kSurroundingsScale);
  v.surroundings->MoveTo(0, v.parked ? -kViewParkDepth : 0.0f, 0);
  v.surroundings->SetVisible(v.parked ? 0 : 1);
  Engine().engineStage->AddObject(v.surroundings);
  while (!WaitForModel(v.surroundings)) {
  }
  if (IsTentSurroundings(kind)) {
    v.camouflageNet = Engine().engineRoot->LoadBitmap(L"terrain\\tent\\camonet1.qpg", 1);
    WaitForPicture(v.camouflageNet);
    v.camouflageNet->SetColorKey(255, 0, 0);
    v.surroundings->SetMaterialTexture(v.camouflageNet, L"lambert8");
  }
}

void MakeShadow() {
  PatientViewState& v = patientView;
  v.shadowPlane = Engine().engineRoot->CreatePlane(kShadowPlaneWidth, kShadowPlaneHeight, 0, 0, 0, 0);
  v.shadowPlane->SetFaceBitmap(L"front", v.patientPictures[kShadowPicture], 0);
  v.shadowPlane->SetFaceOpacity(L"front", kShadowOpacity);
  v.shadowActor = Engine().engineRoot->CreateActor();
  v.shadowActor->AttachShape(v.shadowPlane);
  v.shadowActor->SetScale(kShadowScale, kShadowScale, kShadowScale);
  v.shadowActor->SetRotation(1, 0, 0, -90);
  v.shadowActor->Rotate(0, 1, 0, 180, 0);
  v.shadowActor->MoveTo(0, kShadowHeight - kViewParkDepth, 0);
  Engine().engineStage->AddObject(v.shadowActor);
}

void MakeCasualties(std::FILE* loading) {
  const ViewCasualtySource source = RegisteredCasualtyCases();
  const std::vector<ViewCasualty> cases = source ? source() : std::vector<ViewCasualty>{};
  for (int32_t slot = 0; slot < static_cast<int32_t>(cases.size()) && slot < kCasualtySlotCount; ++slot) {
    DeleteCasualty(slot);
    if (!cases[slot].present) continue;
    PlaceCasualty(slot, BuildPatient(Engine().engineRoot, Engine().engineStage, cases[slot].woundType,
                                     cases[slot].appearance, loading));
  }
  SetCurrentPatient(Slots().casualties[0].get());
}

// The patient's body and his props (those beside him on the stage move with him; those on his bones
// follow the body).
void RaisePatient(Patient& patient, float dy) {
  Raise(ObjectsOf(patient).bodyModel, dy);
  for (const auto* prop : {&ObjectsOf(patient).prop, &ObjectsOf(patient).turban})
    if (*prop) (*prop)->Lift(dy);
}

void ShowPatient(Patient& patient, bool shown) {
  if (ObjectsOf(patient).bodyModel) ObjectsOf(patient).bodyModel->SetVisible(shown ? 1 : 0);
  for (const auto* prop : {&ObjectsOf(patient).prop, &ObjectsOf(patient).turban})
    if (*prop) (*prop)->SetVisible(shown ? 1 : 0);
}

// Lifts the view's objects and the shown patient into view, once per switch.
void LiftView(Patient* patient) {
  PatientViewState& v = patientView;
  if (!v.parked) return;
  v.parked = false;
  Raise(v.sceneActor, kViewParkDepth);
  Raise(v.shadowActor, kViewParkDepth);
  Raise(v.surroundings, kViewParkDepth);
  if (v.surroundings) v.surroundings->SetVisible(1);
  if (v.shadowActor) v.shadowActor->SetVisible(1);
  v.liftedPatient = patient;
  if (patient == nullptr) return;
  RaisePatient(*patient, kViewParkDepth);
  ShowPatient(*patient, true);
  patient->AttachAppliedItems();
  // His blood lies on the surroundings' ground while he is shown.
  AddBloodPoolsToScene(*patient, patientView.surroundings);
}

// Puts everything lifted back under the ground, once per switch.
void ParkView() {
  PatientViewState& v = patientView;
  if (v.parked) return;
  v.parked = true;
  Raise(v.sceneActor, -kViewParkDepth);
  Raise(v.shadowActor, -kViewParkDepth);
  Raise(v.surroundings, -kViewParkDepth);
  if (v.surroundings) v.surroundings->SetVisible(0);
  if (v.shadowActor) v.shadowActor->SetVisible(0);
  Patient* patient = v.liftedPatient;
  v.liftedPatient = nullptr;
  // The patient may have been let go while he was shown (a save game loaded over the mission).
  bool held = false;
  for (const auto& slot : Slots().casualties) held = held || slot.get() == patient;
  if (patient == nullptr || !held) return;
  RaisePatient(*patient, -kViewParkDepth);
  ShowPatient(*patient, false);
  RemoveBloodPoolsFromScene(*patient);
  patient->DetachAppliedItems();
  if (const auto& bag = treatmentAssets.models[ITEM_AMBU_BAG]) bag->SetVisible(0);
}

void SaveOverheadCamera() {
  PatientViewState& v = patientView;
  if (v.overheadCameraSaved || !Engine().engineCamera) return;
  v.overheadCameraPosition = Engine().engineCamera->LocalPosition();
  v.overheadCameraDirection = Engine().engineCamera->GetDirection()->Value();
  v.overheadCameraUp = Engine().engineCamera->GetUp()->Value();
  v.overheadCameraSaved = true;
}

void RestoreOverheadCamera() {
  PatientViewState& v = patientView;
  if (!Engine().engineCamera) return;
  if (v.overheadCameraSaved) {
    const engine::Vec3& p = v.overheadCameraPosition;
    const engine::Vec3& d = v.overheadCameraDirection;
    const engine::Vec3& u = v.overheadCameraUp;
    Engine().engineCamera->MoveTo(p.x, p.y, p.z);
    Engine().engineCamera->SetDirectionUp(d.x, d.y, d.z, u.x, u.y, u.z);
    v.overheadCameraSaved = false;
  }
  Engine().engineCamera->SetClipRange(500, 1);
}

// His first visit: he takes the sitting pose of his wound and says what hurts.
void GreetPatient(Patient& patient) {
  const WoundType& row = WoundTypeTable[IsWoundRow(patient.currentWound) ? patient.currentWound : 0];
  const int32_t side = patient.side == 1 ? 1 : 0;
  patient.pose = row.poses[side * 2];
  patient.PlayAnimation(patient.pose);
  patient.QueueSpeech(SPEECH_WOUND_SILENCE, row.remarkKey);
}

void ShowAppliedItems(const Patient& patient) {
  // Under the burn blanket only the blanket shows.
  const bool blanket = (patient.appliedItems & ItemBit(ITEM_BURN_BLANKET)) != 0 && patient.blanketMask != 0;
  for (int32_t slot = 0; slot < kTreatmentModelCount; ++slot) {
    const auto& model = treatmentAssets.models[slot];
    if (!model || !(patient.appliedItems & ItemBit(slot))) continue;
    if (blanket && slot != ITEM_BURN_BLANKET) continue;
    // Put on during an animation: it appears when the animation is over.
    if (HoldsBackShowing(patient, model)) continue;
    model->SetVisible(1);
  }
}

}  // namespace

void RegisterCasualtyCaseSource(ViewCasualtySource source) { RegisteredCasualtyCases() = source; }

void BuildPatientView(std::FILE* loading) {
  // A view built again (a second mission start without a teardown) lets go of the first one.
  if (patientView.patientViewBuilt) {
    ReleasePatientViewScene();
    DeleteAllCasualties();
  }
  PatientViewState& v = patientView;
  LoadToolSprites();
  LoadPatientHud();
  AdvanceLoadingBar();
  for (int32_t row = 0; row < kToolCount; ++row) LoadToolImage(row);
  AdvanceLoadingBar();

  v.sceneActor = Engine().engineRoot->CreateActor();
  v.sceneActor->MoveTo(0, kPatientMiddleY - kViewParkDepth, 0);
  Engine().engineStage->AddObject(v.sceneActor);
  v.viewFont = Engine().engineRoot->CreateText(0);
  v.viewFont->SetFontFace(L"MS Sans Serif");
  AdvanceLoadingBar();

  LoadTreatmentVisuals();
  AdvanceLoadingBar();
  MakeCasualties(loading);

  CreateToolTip();
  CreateRemarkBox(3);
  v.hintBox.Create(3);
  v.hintBox.SetColours(192, 255, 255);

  ScatterBackdrop();
  AdvanceLoadingBar();

  bool occupied[kSurroundingsSlots] = {};
  for (int32_t slot = 0; slot < kCasualtySlotCount; ++slot) {
    if (!Slots().casualties[slot]) continue;
    occupied[slot] = true;
    Slots().casualties[slot]->surroundingsKind = SurroundingsKindFor(Campaign().missionNumber, slot);
  }
  v.parked = true;
  LoadSurroundings(MostCommonSurroundingsKind(Campaign().missionNumber, occupied));
  AdvanceLoadingBar();

  for (int i = 0; i < kPatientPictureCount; ++i) {
    v.patientPictures[i] = Engine().engineRoot->LoadBitmap(kPatientPicturePaths[i], 1);
    WaitForPicture(v.patientPictures[i]);
  }
  UniformPictures trousers = Uniforms();
  engine::EngineRef<engine::EngineBitmap>* trouserPictures[] = {&trousers.base, &trousers.firstPieces,
                                                                &trousers.secondPieces, &trousers.firstAlternative,
                                                                &trousers.secondAlternative};
  for (size_t i = 0; i < std::size(kTrouserPicturePaths); ++i) {
    *trouserPictures[i] = Engine().engineRoot->LoadBitmap(kTrouserPicturePaths[i], 1);
    WaitForPicture(*trouserPictures[i]);
  }
  SetUniformPictures(trousers);
  // The ground shows through round the shadows' dark patches.
  for (int i : {0, kShadowPicture}) v.patientPictures[i]->SetColorKey(255, 0, 0);
  MakeShadow();
  v.shadowActor->SetVisible(0);
  v.patientViewBuilt = true;
  AdvanceLoadingBar();
}

void SwitchToPatientView() {
  PatientViewState& v = patientView;
  SetCurrentPatient(HasCasualty(Slots().currentCasualtyIndex) ? Slots().casualties[Slots().currentCasualtyIndex].get()
                                                              : nullptr);
  patientView.selectedTool = kViewStartTool;
  patientView.trayScroll = 0;
  ClampNextFrames(kViewClampFrames);
  if (!v.patientViewBuilt) return;

  SaveOverheadCamera();
  Patient* patient = Slots().currentPatient;
  // His own surroundings first, so that his blood is laid on the ground he is shown on.
  if (patient != nullptr && v.parked && patient->surroundingsKind != v.loadedKind)
    LoadSurroundings(patient->surroundingsKind);
  LiftView(patient);

  PlacePatientViewProps();
  if (patient != nullptr && patient->cameraSaved && ObjectsOf(*patient).savedCamera)
    Engine().engineCamera->MoveTo(ObjectsOf(*patient).savedCamera);
  if (v.sceneActor) Engine().engineCamera->PointAt(v.sceneActor, 1);
  if (!IsOpenGroundSurroundings(v.loadedKind)) AttachSceneParts();
  if (Engine().engineLights[0]) {
    if (MissionTime().nightMission) {
      Engine().engineLights[0]->SetColor(50, 255, 50);
    } else {
      Engine().engineLights[0]->SetColor(255, 255, 255);
    }
  }
  if (Engine().engineLights[1]) Engine().engineLights[1]->SetColor(0, 0, 0);

  if (patient == nullptr) return;
  if (patient->dragged) {
    // Rolled as the Roll Over button rolls him: lifted, turned over and onto his side.
    const int32_t wasRolled = patient->rolledOver;
    patient->ApplyTool(kRollOverTool, kNeckPart, 0, 0, 0);
    if (patient->rolledOver != wasRolled) ResetPatientTimer(*patient);
    patient->dragged = 0;
  }
  if (!patient->visited) {
    patient->visited = 1;
    GreetPatient(*patient);
  }
}

void SwitchToOverheadView() {
  PatientViewState& v = patientView;
  if (!v.parked && v.liftedPatient != nullptr && Engine().engineCamera) {
    // He is seen again from where the medic left him.
    Patient& patient = *v.liftedPatient;
    ObjectsOf(patient).savedCamera = Engine().engineCamera->GetPosition();
    patient.cameraSaved = 1;
  }
  ParkView();
  DetachSceneParts();
  StopToolAnimations();
  DrawBoneMarkers(nullptr, false);
  RestoreOverheadCamera();
}

void PlacePatientViewProps() {
  PatientViewState& v = patientView;
  if (!Engine().engineCamera) return;
  if (!IsOpenGroundSurroundings(v.loadedKind)) {
    Engine().engineCamera->MoveTo(kViewCameraX, kViewCameraY, kViewCameraZ);
    return;
  }
  const auto placement = OpenGroundPlacement(v.loadedKind, Slots().currentCasualtyIndex);
  if (!placement) return;
  if (v.surroundings) {
    // Set outright, so repeated visits do not add turn to turn.
    if (placement->facing) {
      v.surroundings->SetOrientation(0, 0, 1, 0, 1, 0);
    } else {
      v.surroundings->SetRotation(0, 1, 0, placement->turn);
    }
    v.surroundings->MoveTo(placement->modelX, placement->modelY + (v.parked ? -kViewParkDepth : 0.0f),
                           placement->modelZ);
  }
  Engine().engineCamera->MoveTo(placement->cameraX, placement->cameraY, placement->cameraZ);
}

void UpdatePatientView(int32_t dt) {
  PatientViewState& v = patientView;
  MovePatientCamera(dt);
  ClearTextOverlay();
  ClearMenuCanvas();
  DrawPatientTray();
  Patient* patient = Slots().currentPatient;
  if (patient != nullptr) RunShownPatientClock(*patient, dt);
  DrawBoneMarkers(patient, v.boneMarkers);
  DrawPatientHud();

  if (ToolTips().toolTipDeferred) DrawToolTip();
  UpdateRemarkBox();
  v.hintBox.Update();
  DrawPatientPopups();
  UpdateToolAnimations();
  // Treatment may have let him go (a death ends nothing here, but a rebuilt view might).
  patient = Slots().currentPatient;
  if (patient == nullptr) return;
  ShowAppliedItems(*patient);
  // The trousers are drawn again whenever what is cut away from them changes.
  if (patient->bodyFlags != patient->composedFlags) ComposeUniformTexture(*patient);
  UpdateDogTag(ObjectsOf(*patient).dogTag, kDogTagX, kDogTagY);
  UpdatePatientMotion(*patient, v.surroundings, AnyToolAnimationRunning());
  patient->UpdateSpurt();
  UpdateBloodPools(*patient);
  PlayPatientSpeech();
  patient->UpdateAnimation();
  patient->UpdateIdleTimer();
  if (v.developerFreeHints) {
    if (const char* hint = BuildHint(*patient)) v.hintBox.Show(hint, kHintX, kHintY, kHintFrames);
  }
}

void PickPatientPart(int32_t x, int32_t y) {
  // The head-up display's band and an empty hand never reach the body.
  if (y >= kHudBandTop || patientView.selectedTool < 0 || Slots().currentPatient == nullptr || !Engine().engineCamera)
    return;
  const int32_t sx = (Engine().screenWidth - 640) / 2 + x;
  const int32_t sy = (Engine().screenHeight - 480) / 2 + y;
  const engine::EngineRef<engine::EngineHit> hit = Engine().engineCamera->Pick(sx, sy);
  if (!hit || !hit->GetEntity()) return;
  const std::wstring& name = hit->GetEntity()->GetName();
  if (name == L"Ammo") {
    if (patientView.selectedTool == kGloveTool || patientView.selectedTool == kActionTool)
      Slots().currentPatient->TakeAmmo();
    return;
  }
  const int32_t part = BoneIndexFromName(name);
  if (part != -1) Slots().currentPatient->ApplyTool(patientView.selectedTool, part, x, y, 0);
}

void ReleasePatientViewScene() {
  PatientViewState& v = patientView;
  ReleasePatientHud();
  ReleaseTreatmentVisuals();
  ReleaseToolTip();
  ReleaseRemarkBox();
  v.hintBox.Release();
  ReleaseSceneParts();
  ReleaseUniformPictures();
  ReleaseBoneMarkers();
  if (Engine().engineStage) {
    for (const engine::EngineRef<engine::EngineNode>* node : {&v.surroundings, &v.shadowActor, &v.sceneActor})
      if (*node) Engine().engineStage->RemoveObject(*node);
  }
  v = PatientViewState{};
}

}  // namespace kestrine
