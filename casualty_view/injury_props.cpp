// Making the injury props of a wound, and what the gut, the knife, the vehicle and the finger do beyond
// hanging where their rows put them.
#include "casualty_view/injury_props.h"

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "shell/sound_table.h"

namespace kestrine {

namespace {

constexpr int32_t kGutMoves = 10;
constexpr float kGutStepY = -0.01f;
constexpr float kGutStepZ = 0.08f;
constexpr int kShadowPollMs = 100;

// Wound rows that show an object.
enum PropWound : int32_t {
  WOUND_WITH_GUT = 0,
  WOUND_WITH_STRUT = 1,
  WOUND_WITH_REBAR = 2,
  WOUND_WITH_HUMMER = 6,
  WOUND_WITH_FINGER = 20,
  WOUND_WITH_PIPE = 40,
  WOUND_WITH_PISTOL = 41,
  WOUND_WITH_KNIFE = 54,
};

constexpr int32_t kTurbanAppearance = 3;

}  // namespace

void GutProp::Start() {
  active = 1;
  counter = 0;
  limit = kGutMoves;
}

void GutProp::Update() {
  if (!active || counter >= limit || !model) return;
  model->MoveBy(0, kGutStepY, kGutStepZ);
  ++counter;
}

void KnifeProp::Load(Patient& patient) {
  patient_ = &patient;
  LoadRow(patient, kPropRows[PROP_KNIFE], kPropRows[PROP_KNIFE].bone);
}

void KnifeProp::Start() {
  if (Sounds().replayingSave) return;
  active = 1;
  counter = 0;
  limit = kGutMoves;
}

void KnifeProp::Update() {
  if (!active) return;
  if (counter < 0 || counter >= kKnifePathLength || kKnifePath[counter].x == 0.0f) {
    // Out: it stops here, and the wound it was plugging bleeds.
    active = 0;
    if (patient_ != nullptr) patient_->spurting = 1;
    return;
  }
  const KnifeStep& step = kKnifePath[counter];
  if (model) model->MoveBy(step.x, step.y, step.z);
  ++counter;
}

void HummerProp::Load(Patient& patient) {
  LoadRow(patient, kPropRows[PROP_HUMMER], kPropRows[PROP_HUMMER].bone);

  // The shadow: its picture copied onto a black square, shown through a plane laid on the ground.
  images[0] = ObjectsOf(patient).root->CreateBitmap(kHummerShadowSize, kHummerShadowSize);
  images[0]->Clear(0, 0, 0);
  images[1] = ObjectsOf(patient).root->LoadBitmap(kHummerShadowPicture, 1);
  while (!images[1]->IsLoaded()) ObjectsOf(patient).root->Wait(kShadowPollMs);
  images[0]->CopyImage(images[1], 0);

  const PlaneMeasures& m = kHummerShadowPlane;
  shadowPlane = ObjectsOf(patient).root->CreatePlane(m.width, m.height, m.flags, m.a, m.b, m.c);
  shadowPlane->SetFaceBitmap(L"front", images[0], 0);
  shadowPlane->SetFaceOpacity(L"front", kHummerShadowOpacity);
  shadow = ObjectsOf(patient).root->CreateActor();
  shadow->AttachShape(shadowPlane);
  ApplyPropSteps(*shadow, kHummerShadowSteps);
  const engine::Vec3 at = shadow->LocalPosition();
  shadow->MoveTo(at.x, at.y + kParkedDrop, at.z);
  // Hidden with the vehicle until the view shows them.
  shadow->SetVisible(0);
  ObjectsOf(patient).stage->AddObject(shadow);
}

void FingerProp::Load(Patient& patient) {
  LoadRow(patient, kPropRows[PROP_FINGER], patient.side == 1 ? BONE_L_HAND : BONE_R_HAND);
}

std::unique_ptr<InjuryProp> MakeInjuryProp(int32_t woundRow) {
  switch (woundRow) {
    case WOUND_WITH_GUT:
      return std::make_unique<GutProp>();
    case WOUND_WITH_STRUT:
      return std::make_unique<StrutProp>();
    case WOUND_WITH_REBAR:
      return std::make_unique<RebarProp>();
    case WOUND_WITH_HUMMER:
      return std::make_unique<HummerProp>();
    case WOUND_WITH_FINGER:
      return std::make_unique<FingerProp>();
    case WOUND_WITH_PIPE:
      return std::make_unique<PipeProp>();
    case WOUND_WITH_PISTOL:
      return std::make_unique<PistolProp>();
    case WOUND_WITH_KNIFE:
      return std::make_unique<KnifeProp>();
    default:
      return nullptr;
  }
}

void CreateInjuryProps(Patient& patient, int32_t woundRow) {
  ReleaseInjuryProps(patient);
  ObjectsOf(patient).prop = MakeInjuryProp(woundRow);
  if (ObjectsOf(patient).prop) ObjectsOf(patient).prop->Load(patient);
  if (patient.appearance == kTurbanAppearance) {
    ObjectsOf(patient).turban = std::make_unique<TurbanProp>();
    ObjectsOf(patient).turban->Load(patient);
  }
}

void ReleaseInjuryProps(Patient& patient) {
  for (std::unique_ptr<InjuryProp>* held : {&ObjectsOf(patient).prop, &ObjectsOf(patient).turban}) {
    if (!*held) continue;
    (*held)->Release(ObjectsOf(patient).stage);
    held->reset();
  }
}

}  // namespace kestrine
