// A model file as loaded: its nodes (bones and parts), triangles, skins, materials and animations. Read-only
// once loaded, and shared by every model made from the same file.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/quaternion.h"
#include "engine/engine_bitmap.h"
#include "engine/engine_math.h"

namespace engine {

struct ModelNodeData {
  std::wstring name;
  int parent = -1;  // the parent node, -1 for a node at the model's top
  Vec3 translation;
  Quat rotation;
  Vec3 scale{1, 1, 1};
  int mesh = -1;  // triangles carried by this node
  int skin = -1;  // the skin that bends them (the node's own placement then plays no part)
};

// One batch of triangles in one material. Joints index the skin's joint list.
struct ModelPrimitive {
  int material = -1;  // -1: the default white material
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;  // one per position
  std::vector<float> uvs;     // two per position (v = 0 is the image's top row)
  std::vector<std::array<uint16_t, 4>> joints;
  std::vector<std::array<float, 4>> weights;  // empty for a rigid batch
  std::vector<uint32_t> indices;              // three per triangle, each below positions.size()
};

struct ModelMeshData {
  std::vector<ModelPrimitive> primitives;
};

struct ModelSkinData {
  std::vector<int> joints;           // node indices
  std::vector<Affine> inverseBinds;  // one per joint: model space to the joint's own space at rest
};

struct ModelMaterialData {
  std::wstring name;
  Color color{255, 255, 255};
  int opacity = 255;
  EngineRef<EngineBitmap> texture;  // the file's own picture, or none
};

struct AnimationChannelData {
  enum class Path { Translation, Rotation, Scale };
  enum class Interpolation { Linear, Step };
  int node = 0;
  Path path = Path::Translation;
  Interpolation interpolation = Interpolation::Linear;
  std::vector<float> times;   // seconds, not decreasing
  std::vector<float> values;  // 3 (translation, scale) or 4 (rotation x, y, z, w) per time
};

struct ModelAnimationData {
  std::wstring name;
  float length = 0;  // seconds: the last key's time
  std::vector<AnimationChannelData> channels;
  std::vector<int> nodes;  // the nodes it moves, sorted, once each
};

struct ModelData {
  std::string source;  // the path it came from, for traces
  bool placeholder = false;
  std::vector<ModelNodeData> nodes;  // parents come before their children
  std::vector<ModelMeshData> meshes;
  std::vector<ModelSkinData> skins;
  std::vector<ModelMaterialData> materials;
  std::vector<ModelAnimationData> animations;
  std::vector<int> bones;     // the skins' joints in order, each once
  std::vector<int> animated;  // every node some animation moves, sorted
  Vec3 boundsMin, boundsMax;  // the triangles at rest, in the model's own space
  bool hasBounds = false;
};

// Fills in bones, animated nodes and rest bounds from the rest of the data.
void FinishModelData(ModelData& data);
// The stand-in for a missing or unreadable model: a small magenta box, no bones, no animations.
std::shared_ptr<const ModelData> MakePlaceholderModel(const std::string& source);
// Each node's placement in the model's own space at rest (parents before children, as stored).
std::vector<Affine> RestModelSpace(const ModelData& data);

}  // namespace engine
