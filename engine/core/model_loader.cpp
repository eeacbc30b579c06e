#include "core/model_loader.h"

#include <functional>

#include "core/engine_core.h"
#include "core/gltf_reader.h"
#include "core/model_instance.h"

namespace engine {

EngineRef<EngineNode> LoadModelNode(EngineCore& core, const std::string& path) {
  std::shared_ptr<const ModelData> data;
  const FileRead file = core.Paths().ReadAsset(path, FileKind::Model);
  if (file.status == FileRead::Missing) {
    core.TraceMissingAsset(path);
  } else if (!file) {
    core.TraceUnreadableAsset("model", path, file.Why());
  } else {
    // The same file with the same content is read once; a file rewritten meanwhile is read again.
    const std::string key = file.realPath + '#' + std::to_string(std::hash<std::string>{}(file.bytes));
    data = core.Scene().FindModelFile(key);
    if (!data) {
      std::string error;
      std::shared_ptr<ModelData> read = ReadModelFile(file.bytes, error);
      if (read) {
        read->source = path;
        data = read;
        core.Scene().KeepModelFile(key, data);
      } else {
        core.TraceUnreadableAsset("model", path, error);
      }
    }
  }
  if (!data) data = MakePlaceholderModel(path);
  auto node = MakeEngine<EngineNode>(&core);
  node->AttachModel(std::make_unique<ModelInstance>(data, *node));
  return node;
}

}  // namespace engine
