// The stage with its camera, the screen sprites over the 3D view, and where lights shine.
#include <algorithm>

#include "engine/engine_scene.h"

namespace engine {

namespace {

// Sprites are kept in layer order (0 back .. 255 front); equal layers keep their creation order.
EngineRef<EngineSprite> AddSprite(std::vector<EngineRef<EngineSprite>>& sprites, const EngineRef<EngineBitmap>& image,
                                  int layer, const char* interfaceName) {
  if (!image) throw EngineError(kStatusInvalidArgument, interfaceName, "CreateSprite of an empty image");
  auto s = MakeEngine<EngineSprite>(image, layer);
  auto pos = std::upper_bound(sprites.begin(), sprites.end(), layer,
                              [](int l, const EngineRef<EngineSprite>& e) { return l < e->Layer(); });
  sprites.insert(pos, s);
  NoteSceneChange();
  return s;
}

}  // namespace

EngineRef<EngineSprite> EngineSprite::CreateSprite(const EngineRef<EngineBitmap>& image, int layer) {
  return AddSprite(children_, image, layer, "EngineSprite");
}

EngineRef<EngineSprite> EngineCamera::CreateSprite(const EngineRef<EngineBitmap>& image, int layer) {
  return AddSprite(sprites_, image, layer, "EngineCamera");
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
  const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), object.Get());
  if (at != sorted_.end() && *at == object.Get()) return;
  sorted_.insert(at, object.Get());
  objects_.push_back(object);
  NoteSceneChange();
}

void EngineStage::RemoveObject(const EngineRef<EngineNode>& object) {
  if (!object) return;
  const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), object.Get());
  if (at == sorted_.end() || *at != object.Get()) return;
  sorted_.erase(at);
  objects_.erase(std::find(objects_.begin(), objects_.end(), object));
  NoteSceneChange();
}

bool EngineStage::Contains(const EngineNode* node) const {
  return std::binary_search(sorted_.begin(), sorted_.end(), node);
}

bool EngineStage::HeldByAnotherObject(const EngineNode& object) const {
  for (const EngineNode* p = object.Parent(); p; p = p->Parent())
    if (Contains(p)) return true;
  return false;
}

}  // namespace engine
