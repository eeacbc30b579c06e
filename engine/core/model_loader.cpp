#include "core/model_loader.h"

#include <functional>

#include "core/engine_core.h"
#include "core/gltf_reader.h"
#include "core/model_instance.h"

namespace engine {

EngineRef<EngineNode> LoadModelNode(EngineCore& core, const std::string& path) {
  std::shared_ptr<const ModelData> data;
  std::string resolved;
  const auto bytes = core.Paths().ReadFile(path, &resolved);
  if (!bytes) {
    core.TraceMissingAsset(path);
  } else {
    // The same file with the same content is read once; a file rewritten meanwhile is read again.
    const std::string key = resolved + '#' + std::to_string(std::hash<std::string>{}(*bytes));
    data = core.Scene().FindModelFile(key);
    if (!data) {
      std::string error;
      std::shared_ptr<ModelData> read = ReadModelFile(*bytes, error);
      if (read) {
        read->source = path;
        data = read;
        core.Scene().KeepModelFile(key, data);
      } else {
        core.Trace("unreadable model: " + path + " (" + error + ")");
      }
    }
  }
  if (!data) data = MakePlaceholderModel(path);
  auto node = MakeEngine<EngineNode>(&core);
  node->AttachModel(std::make_unique<ModelInstance>(data, *node));
  return node;
}

}  // namespace engine
