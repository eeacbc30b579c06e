// What the engine keeps of its scene beyond the stage: the models the clock animates, the objects that
// take part in collision tests, and the model files already read (shared by every model made from them).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace engine {

class EngineNode;
class ModelInstance;
struct ModelData;

class SceneRegistry {
 public:
  SceneRegistry() = default;
  ~SceneRegistry();
  SceneRegistry(const SceneRegistry&) = delete;
  SceneRegistry& operator=(const SceneRegistry&) = delete;

  // Models register when made and leave when they go.
  void AddModel(ModelInstance* model);
  void RemoveModel(ModelInstance* model);
  // Time passed on the engine clock: every playing animation moves on by ms.
  void AdvanceClock(int64_t ms);

  // Objects in a collision group register; the order is the order they joined.
  void AddCollidable(EngineNode* node);
  void RemoveCollidable(EngineNode* node);
  const std::vector<EngineNode*>& Collidables() const { return collidables_; }

  // Model files by a key naming the file and its content.
  std::shared_ptr<const ModelData> FindModelFile(const std::string& key) const;
  void KeepModelFile(const std::string& key, std::shared_ptr<const ModelData> data);
  // Engine objects the kept files hold (their materials' pictures): they live as long as the engine, and
  // grow only with the number of different files read.
  long KeptObjectCount() const;

 private:
  std::vector<ModelInstance*> models_;
  std::vector<EngineNode*> collidables_;
  std::map<std::string, std::shared_ptr<const ModelData>> files_;
};

}  // namespace engine
