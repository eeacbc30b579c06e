// The model operations of a scene node: parts and bones, material textures and animations. A node that is
// not a loaded model answers as a model without any of them.
#include "core/engine_core.h"
#include "core/model_instance.h"
#include "engine/engine_scene.h"

namespace engine {

EngineRef<EngineNode> EngineNode::FindPart(const std::wstring& name) {
  if (model_)
    if (EngineRef<EngineNode> part = model_->FindPart(name)) return part;
  // Whatever the game hangs on a missing part stays with the model instead of ending the game.
  if (core_ && (!model_ || model_->NoteMissingPart(name))) {
    const std::string source = model_ ? model_->Data().source : std::string("an object");
    core_->Trace("missing part: " + ToUtf8(name) + " in " + source);
  }
  return EngineRef<EngineNode>(this);
}

int EngineNode::GetBoneCount() const { return model_ ? model_->BoneCount() : 0; }

EngineRef<EngineNode> EngineNode::GetBone(int index) { return model_ ? model_->Bone(index) : nullptr; }

void EngineNode::SetMaterialTexture(const EngineRef<EngineBitmap>& image, const std::wstring& material) {
  if (model_) model_->SetTexture(material, image);
}

void EngineNode::SetMaterialTextureB(const EngineRef<EngineBitmap>& image, const std::wstring& material) {
  SetMaterialTexture(image, material);
}

void EngineNode::ResetMaterial(const std::wstring& material) {
  if (model_) model_->ResetTexture(material);
}

int EngineNode::GetMaterialCount() const { return model_ ? static_cast<int>(model_->Data().materials.size()) : 0; }

std::wstring EngineNode::GetMaterialName(int index) const {
  if (!model_ || index < 0 || index >= GetMaterialCount()) return std::wstring();
  return model_->Data().materials[static_cast<size_t>(index)].name;
}

int EngineNode::GetAnimationCount() const { return model_ ? static_cast<int>(model_->Data().animations.size()) : 0; }

std::wstring EngineNode::GetAnimationName(int index) const {
  if (!model_ || index < 0 || index >= GetAnimationCount()) return std::wstring();
  return model_->Data().animations[static_cast<size_t>(index)].name;
}

float EngineNode::GetAnimationLength(const std::wstring& name) const {
  if (!model_) return 0;
  const int i = model_->FindAnimation(name);
  return i < 0 ? 0.0f : model_->Data().animations[static_cast<size_t>(i)].length;
}

void EngineNode::PlayAnimation(const std::wstring& name, int loop, int /*mode*/, float speed, float start, int /*b*/) {
  if (!model_) return;
  const int i = model_->FindAnimation(name);
  if (i >= 0) model_->Play(i, start, speed, loop != 0, 0.0f, 1.0f);
}

void EngineNode::PlayAnimationEx(const std::wstring& name, float speed, float start, float fadeIn, float /*a*/,
                                 float weight, int loop, int /*mode*/, int /*b*/) {
  if (!model_) return;
  const int i = model_->FindAnimation(name);
  if (i >= 0) model_->Play(i, start, speed, loop != 0, fadeIn, weight);
}

void EngineNode::StopAnimation(const std::wstring& name) {
  if (!model_) return;
  const int i = model_->FindAnimation(name);
  if (i >= 0) model_->Stop(i);
}

}  // namespace engine
