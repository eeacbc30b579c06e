// The stage with its camera, the screen sprites over the 3D view, and where lights shine.
#include <algorithm>

#include "engine/engine_scene.h"

namespace engine {

EngineRef<EngineSprite> EngineSprite::CreateSprite(const EngineRef<EngineBitmap>& image, int layer) {
  if (!image) throw EngineError(kStatusInvalidArgument, "EngineSprite", "CreateSprite of an empty image");
  auto s = MakeEngine<EngineSprite>(image, layer);
  children_.push_back(s);
  return s;
}

EngineRef<EngineSprite> EngineCamera::CreateSprite(const EngineRef<EngineBitmap>& image, int layer) {
  if (!image) throw EngineError(kStatusInvalidArgument, "EngineCamera", "CreateSprite of an empty image");
  auto s = MakeEngine<EngineSprite>(image, layer);
  // Kept in layer order (0 back .. 255 front); equal layers keep their creation order.
  auto pos = std::upper_bound(sprites_.begin(), sprites_.end(), layer,
                              [](int l, const EngineRef<EngineSprite>& e) { return l < e->Layer(); });
  sprites_.insert(pos, s);
  return s;
}

Vec3 EngineLight::ShineDirection() const {
  const Affine world = WorldTransform();
  if (target_) {
    const Vec3 from = hasSecond_ ? second_ : world.t;
    return (target_->WorldPosition() - from).Normalized();
  }
  return world.m.Orthonormalized().f;
}

EngineStage::EngineStage(EngineCore* core) : camera_(MakeEngine<EngineCamera>(core)) { camera_->SetStage(this); }

EngineStage::~EngineStage() {
  // The game may hold the camera longer than the stage.
  camera_->SetStage(nullptr);
}

void EngineStage::AddObject(const EngineRef<EngineNode>& object) {
  if (!object) throw EngineError(kStatusInvalidArgument, "EngineStage", "AddObject of an empty object");
  if (!Contains(object.Get())) objects_.push_back(object);
}

void EngineStage::RemoveObject(const EngineRef<EngineNode>& object) {
  if (!object) return;
  objects_.erase(std::remove(objects_.begin(), objects_.end(), object), objects_.end());
}

bool EngineStage::Contains(const EngineNode* node) const {
  return std::any_of(objects_.begin(), objects_.end(), [node](const auto& o) { return o.Get() == node; });
}

}  // namespace engine
