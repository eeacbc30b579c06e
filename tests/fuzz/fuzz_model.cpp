// The model reader on arbitrary bytes: a file it refuses must leave the loader a placeholder, and whatever
// it accepts must stand up to everything the engine does with a model (parts, every animation played and
// advanced, skinning, picks) without reading or writing outside its arrays.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/gltf_reader.h"
#include "core/model_instance.h"
#include "core/shape_hits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace engine;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string error;
  std::shared_ptr<const ModelData> model = ReadModelFile(bytes, error);
  if (!model) {
    if (error.empty()) std::abort();  // a refusal always says why (the trace names it)
    model = MakePlaceholderModel("fuzz");
    if (model->nodes.size() != 1 || model->meshes.size() != 1) std::abort();
  }

  auto node = MakeEngine<EngineNode>(nullptr);
  node->AttachModel(std::make_unique<ModelInstance>(model, *node));
  ModelInstance& instance = *node->Model();
  for (int b = 0; b < instance.BoneCount(); ++b)
    if (!instance.Bone(b)) std::abort();
  for (size_t a = 0; a < model->animations.size() && a < 8; ++a) {
    const auto index = static_cast<int>(a);
    instance.Play(index, 0.0f, a % 2 ? -1.5f : 1.0f, a % 3 == 0, 0.1f, 1.0f);
    instance.Advance(0.25f);
    instance.Advance(1000.0f);
  }
  const ModelGeometry g = instance.Geometry();
  for (const ModelBatch& b : g.batches)
    if (!b.vertices || b.vertices->size() % 3 != 0) std::abort();
  RayHit hit;
  RayHitsNode(*node, node->WorldTransform(), {0, 0, -50}, {0.01f, 0.02f, 1}, 100.0f, hit, false);
  for (size_t a = 0; a < model->animations.size() && a < 8; ++a) instance.Stop(static_cast<int>(a));
  return 0;
}
