// Building a patient on the engine: his body model, the pick shapes on its bones, its animations, the
// wound, the lower legs of the amputation body and the joint frames.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "casualty/body_model_choice.h"
#include "casualty/patient.h"
#include "casualty/step_interpreter.h"
#include "casualty/texture_templates.h"
#include "casualty/treatment_switches.h"
#include "casualty_view/model_body.h"
#include "shell/asset_loader.h"
#include "shell/developer_output.h"
#include "shell/wide_text.h"

namespace kestrine {

namespace {

constexpr int32_t kPsychosisWound = 41;
constexpr float kBodyScale = 3.0f;
// Out of sight under the overhead view's ground until the patient view lifts him.
constexpr float kParkedHeight = -100.0f;
constexpr int kModelPollMs = 100;
constexpr int kActorPollMs = 50;

std::wstring Wide(const char* text) { return WidenText(text); }

}  // namespace

Patient::Patient(const engine::EngineRef<engine::EngineRoot>& engineRootIn,
                 const engine::EngineRef<engine::EngineStage>& engineStageIn, int32_t woundTypeIn, int32_t appearanceIn,
                 std::FILE* loading)
    : root(engineRootIn), stage(engineStageIn), body_(std::make_unique<ModelBody>(*this)) {
  // A row from outside (a damaged save) falls back to the wound set-up's own fallback, so the body, the
  // spurt and the wound agree.
  woundType = IsWoundRow(woundTypeIn) ? woundTypeIn : WOUND_EVISCERATION;
  currentWound = woundType;
  const WoundType& row = WoundTypeTable[woundType];
  SetFreeHintsByDifficulty();
  std::fill(std::begin(animationIndex), std::end(animationIndex), -1);
  // The stab wound in the neck spurts only once its knife is pulled out.
  spurting = row.spurt[4] != 0.0f && woundType != WOUND_STAB_NECK ? 1 : 0;

  caseChart.Create(root);
  DeveloperPrint(root, std::string(row.title));
  LoadBodyModel(woundType, std::clamp(appearanceIn, 0, 3));
  MakePatientActor();

  const engine::EngineRef<engine::EngineCamera> camera = stage->GetCamera();
  camera->SetPosition(0, 15, 0);
  camera->SetClipRange(500, 1);
  camera->SetRotation(1, 0, 0, 70);

  MakePickShapes();
  ReadMaterialsAndAnimations();

  speechDelay = 0;
  blinkTimer = 0;
  bloodLevel = 0.0f;
  bloodLevel2 = 0.0f;
  SetUpWound(*this, woundType, loading);
  if (noBoots) MakeLegStumps();

  BuildJointFrames();
  rollOffTime = -1;
  liftCounter = -1;
  slideCounter = -1;
  if (currentWound == kLegsGoneWound) {
    bodyFlags = BODY_CUT_LOWER_A | BODY_CUT_LOWER_B;
  } else if (currentWound == kFootGoneWound) {
    bodyFlags = BODY_CUT_LOWER_B | BODY_FIRST_PICTURE;
  } else {
    bodyFlags = 0;
  }
  MakeMagazines();
  LoadDogTag(dogTag, root);
  CountPatientBuilt();
  bodyModel->MoveTo(0, kParkedHeight, 0);
  AdvanceLoadingBar();
}

void Patient::LoadBodyModel(int32_t row, int32_t requestedAppearance) {
  const BodyModelChoice choice = ChooseBodyModel(row, requestedAppearance);
  appearance = choice.appearance;
  noBoots = choice.noBoots;
  if (row == kLegsGoneWound) clothingMasks[SIDE_INDEX_RIGHT] = clothingMasks[SIDE_INDEX_LEFT] = kSleevesOnly;

  bodyModel = root->LoadModel(choice.path, 1);
  while (!bodyModel->IsReady()) {
    AdvanceLoadingBar();
    root->Wait(kModelPollMs);
  }
  bodyModel->SetScale(kBodyScale, kBodyScale, kBodyScale);
  bodyModel->SetVisible(0);
  // The skinned body is seen but never picked: the pick shapes on its bones answer for it.
  bodyModel->SetOptionValue(engine::EngineNode::kOptionNotPickable);
}

void Patient::MakePatientActor() {
  patientActor = root->CreateActor();
  while (!patientActor->IsLoaded()) root->Wait(kActorPollMs);
  patientActor->AddChild(bodyModel);
  stage->AddObject(patientActor);
}

void Patient::MakePickShapes() {
  // A model that is ready has all the bones it will ever have: one without any has nothing to pick.
  boneCount = std::min(bodyModel->GetBoneCount(), kMaxBones);
  DeveloperPrint(root, "----- Bones -----");
  if (boneCount == 0) root->DebugPrint(std::string("The body has no bones: no part of him can be picked"));
  const engine::EngineRef<engine::EngineCamera> camera = stage->GetCamera();
  for (int32_t i = 0; i < boneCount; ++i) {
    const engine::EngineRef<engine::EngineNode> bone = bodyModel->GetBone(i);
    boneNames[i] = bone->GetName();
    DeveloperPrint(root, boneNames[i]);
    const int32_t number = BoneIndexFromName(boneNames[i]);
    if (number == BONE_HEAD) {
      headBone = i;
      if (Switches().headShiftMode) {
        const engine::Vec3 at = bone->LocalPosition();
        bone->MoveTo(at.x + 1.0f, at.y + 1.0f, at.z);
        if (woundType == kPsychosisWound) bone->Rotate(1, 0, 0, 180, 1);
      }
    }
    // The psychotic casualty stares at whoever looks at him.
    if (woundType == kPsychosisWound && (number == BONE_L_EYE1 || number == BONE_R_EYE1)) bone->PointAt(camera, 3);
    if (number >= 0) MakePickActor(number, bone);
  }
  // The elbow joints get spheres of their own, hung from the forearms' shapes.
  const std::pair<int32_t, int32_t> elbows[] = {{BONE_LEFT_ELBOW, BONE_L_ELBOW}, {BONE_RIGHT_ELBOW, BONE_R_ELBOW}};
  for (const auto& [elbow, forearm] : elbows) {
    if (boneFrames[forearm]) {
      MakePickActor(elbow, boneFrames[forearm]);
    } else {
      root->DebugPrint("The body has no " + std::string(kBoneNames[forearm]) + ": no " + kBoneNames[elbow]);
    }
  }
}

void Patient::MakePickActor(int32_t bone, const engine::EngineRef<engine::EngineNode>& parent) {
  Offset3 offset{};
  const PickShapeRow* row = PickShapeOf(bone, &offset);
  if (row == nullptr) return;
  engine::EngineRef<engine::EngineMesh> mesh;
  switch (row->kind) {
    case PICK_SPHERE:
      mesh = root->CreateSphere(row->a, 0);
      break;
    case PICK_CYLINDER:
      mesh = root->CreateCylinder(row->a, row->b, 0, bone == BONE_PELV ? 2 : 1);
      break;
    default:
      mesh = root->CreateBox(row->a, row->b, row->c, 1);
      break;
  }
  // Never seen, always picked.
  std::vector<std::wstring> faces;
  for (const auto& face : mesh->Faces()) faces.push_back(face.first);
  for (const std::wstring& face : faces) mesh->SetFaceOpacity(face, 0);

  engine::EngineRef<engine::EngineActor> actor = root->CreateActor();
  actor->SetName(Wide(kBoneNames[bone]));
  actor->Rotate(1, 0, 0, row->turnX, 0);
  actor->Rotate(0, 1, 0, row->turnY, 0);
  actor->Rotate(0, 0, 1, row->turnZ, 0);
  actor->MoveTo(offset.x, offset.y, offset.z);
  actor->SetOptionValue(engine::EngineNode::kOptionPickShape);
  actor->AttachShape(mesh);
  // A second bone of the same name takes the number over; the first one's shape comes off.
  if (const auto& old = boneFrames[bone]; old && old->Parent() != nullptr) old->Parent()->RemoveChild(old);
  parent->AddChild(actor);
  shapeMeshes[bone] = mesh;
  boneFrames[bone] = actor;
}

void Patient::ReadMaterialsAndAnimations() {
  DeveloperPrint(root, "=== MATERIALS ===");
  const int materialCount = bodyModel->GetMaterialCount();
  for (int i = 0; i < materialCount; ++i) {
    materialNames.push_back(bodyModel->GetMaterialName(i));
    DeveloperPrint(root, materialNames.back());
  }
  // The record keeps the names of the first 49 animations; a model with more plays only those.
  animationCount = std::min(bodyModel->GetAnimationCount(), kPoseCount);
  for (int32_t i = 0; i < animationCount; ++i) {
    animationNames[i] = bodyModel->GetAnimationName(i);
    const int32_t poseOf = PoseOfAnimationName(animationNames[i]);
    if (poseOf >= 0) animationIndex[poseOf] = i;
  }
}

void Patient::MakeLegStumps() {
  const auto load = [&](const wchar_t* path, int32_t knee) {
    engine::EngineRef<engine::EngineModel> stump = root->LoadModel(path, 1);
    while (!stump->IsLoaded()) root->Wait(kActorPollMs);
    const engine::Vec3 direction = bodyModel->GetDirection()->Value();
    const engine::Vec3 up = bodyModel->GetUp()->Value();
    stump->SetOrientation(direction.x, direction.y, direction.z, up.x, up.y, up.z);
    stump->MoveTo(bodyModel->GetPosition());
    stump->SetScale(3, 2.6f, 3);
    if (boneFrames[knee]) {
      boneFrames[knee]->AddChild(stump);
    } else {
      root->DebugPrint("The body has no " + std::string(kBoneNames[knee]) + " to carry its lower leg");
    }
    return stump;
  };
  rightStump = load(kRightStumpPath, BONE_R_KNEE);
  leftStump = load(kLeftStumpPath, BONE_L_KNEE);

  // The cut ends wear one skin colour: a patch of the leg's skin picture stretched over all of it.
  stumpSkin = root->LoadBitmap(kStumpSkinPath, 1);
  while (!stumpSkin->IsLoaded()) root->Wait(kModelPollMs);
  stumpSkin->DrawBitmap(stumpSkin, 0, 180, 130, 20, 10, 0, 0, stumpSkin->GetWidth(), stumpSkin->GetHeight());
  rightStump->SetMaterialTexture(stumpSkin, L"feet2_blinn32");
  leftStump->SetMaterialTexture(stumpSkin, L"leftfoot_blinn32");
  bodyModel->SetMaterialTexture(stumpSkin, L"blinn32");
  // The lower legs' skin is the leg's own working texture, so bands and dressings show on them too.
  const auto legSkin = [&](int32_t part) -> engine::EngineRef<engine::EngineBitmap> {
    int32_t skin = -1;
    int32_t clothing = -1;
    FindBoneMaterials(textureState, part, skin, clothing);
    return skin >= 0 ? textureState.working[skin] : engine::EngineRef<engine::EngineBitmap>();
  };
  if (const auto left = legSkin(PART_LEFT_CALF)) leftStump->SetMaterialTexture(left, L"leftfoot_s_left_leg1");
  if (const auto right = legSkin(PART_RIGHT_CALF)) rightStump->SetMaterialTexture(right, L"feet2_s_right_leg1");
  for (const auto* stump : {&rightStump, &leftStump})
    for (int i = 0; i < (*stump)->GetMaterialCount(); ++i) DeveloperPrint(root, (*stump)->GetMaterialName(i));
}

void Patient::BuildJointFrames() {
  for (const JointFrameRow& row : kJointFrames) {
    const engine::EngineRef<engine::EngineNode> parent =
        row.parent == kParentBodyModel ? engine::EngineRef<engine::EngineNode>(bodyModel) : boneFrames[row.parent];
    if (!parent) {
      root->DebugPrint("The body has no " + std::string(kBoneNames[row.parent]) + " for joint frame " +
                       std::to_string(row.slot));
      continue;
    }
    engine::EngineRef<engine::EngineActor> frame = root->CreateActor();
    if (*row.name != '\0') frame->SetName(Wide(row.name));
    frame->SetOrientation(0, 0, 1, 0, 1, 0);
    if (row.scale.x != 0.0f) {
      if (row.slot <= kLastPlainScaleSlot) {
        frame->SetScale(row.scale.x, row.scale.y, row.scale.z);
      } else {
        frame->SetScaleB(row.scale.x, row.scale.y, row.scale.z);
      }
    }
    for (int32_t i = 0; i < row.turnCount; ++i) {
      const JointTurn& turn = row.turns[i];
      frame->Rotate(turn.axisX, turn.axisY, turn.axisZ, turn.degrees, 0);
    }
    if (row.placed) frame->MoveTo(row.position.x, row.position.y, row.position.z);
    // A frame draws nothing of its own, so it stays visible: here a hidden parent would hide the item it
    // carries, whose own visibility says whether it is on.
    parent->AddChild(frame);
    jointFrames[row.slot] = frame;
  }
}

}  // namespace kestrine
