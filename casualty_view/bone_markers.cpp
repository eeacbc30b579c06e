#include "casualty_view/bone_markers.h"

#include <string>
#include <vector>

#include "casualty/patient.h"
#include "casualty_view/model_body.h"
#include "engine/engine.h"
#include "shell/engine_setup.h"
#include "shell/program_state.h"

namespace kestrine {

namespace {

constexpr float kMarkerRadius = 0.08f;

struct BoneMarkers {
  engine::EngineRef<engine::EngineMesh> ball;
  engine::EngineRef<engine::EngineActor> markers[kMaxBones];
};
BoneMarkers boneMarkers;
KESTRINE_PROGRAM_STATE(boneMarkers);

void Hide() {
  for (const auto& marker : boneMarkers.markers)
    if (marker) marker->SetVisible(0);
}

engine::EngineRef<engine::EngineActor>& MarkerOf(int32_t bone) {
  BoneMarkers& b = boneMarkers;
  if (!b.ball) {
    b.ball = Engine().engineRoot->CreateSphere(kMarkerRadius, 0);
    std::vector<std::wstring> faces;
    for (const auto& face : b.ball->Faces()) faces.push_back(face.first);
    for (const std::wstring& face : faces) b.ball->SetFaceColor(face, 255, 255, 0);
  }
  engine::EngineRef<engine::EngineActor>& marker = b.markers[bone];
  if (!marker) {
    marker = Engine().engineRoot->CreateActor();
    marker->AttachShape(b.ball);
    Engine().engineStage->AddObject(marker);
  }
  return marker;
}

}  // namespace

void DrawBoneMarkers(const Patient* patient, bool on) {
  if (!on || patient == nullptr || !Engine().engineRoot || !Engine().engineStage) {
    Hide();
    return;
  }
  for (int32_t bone = 0; bone < kMaxBones; ++bone) {
    const auto& frame = ObjectsOf(*patient).boneFrames[bone];
    if (!frame) {
      if (boneMarkers.markers[bone]) boneMarkers.markers[bone]->SetVisible(0);
      continue;
    }
    const engine::Vec3 at = frame->GetPosition()->Value();
    engine::EngineRef<engine::EngineActor>& marker = MarkerOf(bone);
    marker->MoveTo(at.x, at.y, at.z);
    marker->SetVisible(1);
  }
}

engine::EngineRef<engine::EngineActor> BoneMarker(int32_t bone) {
  if (bone < 0 || bone >= kMaxBones) return {};
  return boneMarkers.markers[bone];
}

void ReleaseBoneMarkers() {
  BoneMarkers& b = boneMarkers;
  for (auto& marker : b.markers) {
    if (marker && Engine().engineStage) Engine().engineStage->RemoveObject(marker);
    marker.Reset();
  }
  b.ball.Reset();
}

}  // namespace kestrine
