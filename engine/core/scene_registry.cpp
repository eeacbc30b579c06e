#include "core/scene_registry.h"

#include <algorithm>

#include "core/model_data.h"
#include "core/model_instance.h"
#include "engine/engine_scene.h"

namespace engine {

SceneRegistry::~SceneRegistry() {
  // Objects still held by the game outlive the core only at exit; they must not call back into it.
  for (ModelInstance* m : models_) m->ForgetRegistry();
  for (EngineNode* n : collidables_) n->DetachCore();
}

void SceneRegistry::AddModel(ModelInstance* model) {
  if (std::find(models_.begin(), models_.end(), model) == models_.end()) models_.push_back(model);
}

void SceneRegistry::RemoveModel(ModelInstance* model) {
  models_.erase(std::remove(models_.begin(), models_.end(), model), models_.end());
}

void SceneRegistry::AdvanceClock(int64_t ms) {
  if (ms <= 0) return;
  const float seconds = static_cast<float>(ms) / 1000.0f;
  for (ModelInstance* m : models_) m->Advance(seconds);
}

void SceneRegistry::AddCollidable(EngineNode* node) {
  if (std::find(collidables_.begin(), collidables_.end(), node) == collidables_.end()) collidables_.push_back(node);
}

void SceneRegistry::RemoveCollidable(EngineNode* node) {
  collidables_.erase(std::remove(collidables_.begin(), collidables_.end(), node), collidables_.end());
}

std::shared_ptr<const ModelData> SceneRegistry::FindModelFile(const std::string& key) const {
  auto it = files_.find(key);
  return it == files_.end() ? nullptr : it->second;
}

long SceneRegistry::KeptObjectCount() const {
  long count = 0;
  for (const auto& [key, data] : files_)
    for (const ModelMaterialData& material : data->materials) count += material.texture ? 1 : 0;
  return count;
}

void SceneRegistry::KeepModelFile(const std::string& key, std::shared_ptr<const ModelData> data) {
  files_[key] = std::move(data);
}

}  // namespace engine
