// Operations of models, collision and picking that the engine does not provide yet. They fail loudly
// rather than pretend to succeed.
#include "engine/engine_scene.h"

namespace engine {

EngineRef<EngineHit> EngineNode::TestCollision(float, float, float, int, int, int, int, int) {
  NotImplemented("EngineObject", "TestCollision");
}
EngineRef<EngineHit> EngineNode::TestCollision(const EngineRef<EngineVector>&, int, int, int, int, int) {
  NotImplemented("EngineObject", "TestCollision");
}
EngineRef<EngineNode> EngineNode::FindPart(const std::wstring&) { NotImplemented("EngineModel", "FindPart"); }
int EngineNode::GetBoneCount() const { NotImplemented("EngineModel", "GetBoneCount"); }
EngineRef<EngineNode> EngineNode::GetBone(int) { NotImplemented("EngineModel", "GetBone"); }
void EngineNode::SetMaterialTexture(const EngineRef<EngineBitmap>&, const std::wstring&) {
  NotImplemented("EngineModel", "SetMaterialTexture");
}
void EngineNode::SetMaterialTextureB(const EngineRef<EngineBitmap>&, const std::wstring&) {
  NotImplemented("EngineModel", "SetMaterialTextureB");
}
void EngineNode::ResetMaterial(const std::wstring&) { NotImplemented("EngineModel", "ResetMaterial"); }
int EngineNode::GetAnimationCount() const { NotImplemented("EngineModel", "GetAnimationCount"); }
std::wstring EngineNode::GetAnimationName(int) const { NotImplemented("EngineModel", "GetAnimationName"); }
float EngineNode::GetAnimationLength(const std::wstring&) const { NotImplemented("EngineModel", "GetAnimationLength"); }
void EngineNode::PlayAnimation(const std::wstring&, int, int, float, float, int) {
  NotImplemented("EngineModel", "PlayAnimation");
}
void EngineNode::PlayAnimationEx(const std::wstring&, float, float, float, float, float, int, int, int) {
  NotImplemented("EngineModel", "PlayAnimationEx");
}
void EngineNode::StopAnimation(const std::wstring&) { NotImplemented("EngineModel", "StopAnimation"); }

EngineRef<EngineVector> EngineCamera::WorldToScreen(float, float, float) {
  NotImplemented("EngineCamera", "WorldToScreen");
}
EngineRef<EngineVector> EngineCamera::ScreenToWorld(int, int, float) { NotImplemented("EngineCamera", "ScreenToWorld"); }
EngineRef<EngineHit> EngineCamera::Pick(int, int) { NotImplemented("EngineCamera", "Pick"); }

}  // namespace engine
