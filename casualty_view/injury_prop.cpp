// What every injury prop does the same way: loading and placing its model, showing, parking, letting go.
#include "casualty_view/injury_prop.h"

#include <string>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"

namespace kestrine {

namespace {

constexpr int kModelPollMs = 100;

}  // namespace

void ApplyPropSteps(engine::EngineNode& node, const PropStep (&steps)[kMaxPropSteps]) {
  for (const PropStep& step : steps) {
    switch (step.kind) {
      case PROP_MOVE_TO:
        node.MoveTo(step.x, step.y, step.z);
        break;
      case PROP_ROTATE:
        node.Rotate(step.x, step.y, step.z, step.degrees, 0);
        break;
      case PROP_TURN_TO:
        node.TurnTo(step.x, step.y, step.z, step.degrees);
        break;
      case PROP_FACE:
        node.SetOrientation(step.x, step.y, step.z, 0, 1, 0);
        break;
      case PROP_SCALE:
        node.SetScale(step.x, step.y, step.z);
        break;
      default:
        return;
    }
  }
}

engine::EngineRef<engine::EngineModel> InjuryProp::LoadPropModel(const engine::EngineRef<engine::EngineRoot>& root,
                                                                 const wchar_t* path) {
  engine::EngineRef<engine::EngineModel> loaded = root->LoadModel(path, 1);
  while (!loaded->IsReady()) root->Wait(kModelPollMs);
  return loaded;
}

void InjuryProp::LoadRow(Patient& patient, const PropRow& row, int32_t bone) {
  model = LoadPropModel(ObjectsOf(patient).root, row.model);
  model->SetVisible(0);
  ApplyPropSteps(*model, row.steps);
  onBone = row.bone == kOnStage ? 0 : 1;
  if (!onBone) {
    const engine::Vec3 at = model->LocalPosition();
    model->MoveTo(at.x, at.y + kParkedDrop, at.z);
    ObjectsOf(patient).stage->AddObject(model);
    return;
  }
  if (bone >= 0 && bone < kMaxBones && ObjectsOf(patient).boneFrames[bone]) {
    ObjectsOf(patient).boneFrames[bone]->AddChild(model);
  } else {
    // Kept, unseen, so that it is let go of like any other.
    const char* name = bone >= 0 && bone < kBoneTableSize ? kBoneNames[bone] : "bone";
    ObjectsOf(patient).root->DebugPrint("The body has no " + std::string(name) + " to carry its injury prop");
  }
}

void InjuryProp::Release(const engine::EngineRef<engine::EngineStage>& stage) {
  if (stage) {
    if (model) stage->RemoveObject(model);
    if (shadow) stage->RemoveObject(shadow);
  }
  // A prop on a bone hangs from the body, which goes with the patient; it must not keep the prop's model.
  if (model && model->Parent() != nullptr) model->Parent()->RemoveChild(model);
  model.Reset();
  for (auto& image : images) image.Reset();
  shadow.Reset();
  shadowPlane.Reset();
}

void InjuryProp::SetVisible(int visible) {
  if (model) model->SetVisible(visible);
  if (shadow) shadow->SetVisible(visible);
}

void InjuryProp::Lift(float dy) {
  const auto lift = [dy](const engine::EngineRef<engine::EngineNode>& node) {
    const engine::Vec3 at = node->LocalPosition();
    node->MoveTo(at.x, at.y + dy, at.z);
  };
  if (model && !onBone) lift(model);
  if (shadow) lift(shadow);
}

}  // namespace kestrine
