// Writes model files: glTF 2.0 binary, the engine's .qsad. Nodes (bones and parts) by name, triangle
// meshes, skins, named materials with embedded PNG pictures, and named keyframed animations.
//
// Coordinates are the engine's (left-handed, x right, y up, z forward) and triangles are wound the
// engine's way: seen from the side where the cross product (b - a) x (c - a) points away (see the engine's
// core/geometry.h). ModelBuilder (model_builder.h) builds whole models on top of this.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/quaternion.h"
#include "engine/engine_bitmap.h"
#include "engine/engine_math.h"

namespace assetgen {

class GltfWriter {
 public:
  struct Vertex {
    engine::Vec3 position;
    engine::Vec3 normal;
    float u = 0, v = 0;                // v = 0 is the picture's top row
    std::array<uint16_t, 4> joints{};  // indices into the skin's joint list
    std::array<float, 4> weights{};
  };
  struct Primitive {
    int material = -1;
    std::vector<Vertex> vertices;
    std::vector<uint32_t> indices;  // three per triangle
  };
  enum class Path { Translation, Rotation, Scale };
  struct Channel {
    int node = 0;
    Path path = Path::Rotation;
    std::vector<float> times;             // seconds, rising
    std::vector<engine::Vec3> vectors;    // translation or scale keys
    std::vector<engine::Quat> rotations;  // rotation keys
    bool step = false;                    // hold each key instead of blending to the next
  };

  // A node placed in its parent (-1: at the model's top). Returns its index.
  int AddNode(const std::string& name, int parent, const engine::Vec3& translation, const engine::Quat& rotation = {},
              const engine::Vec3& scale = {1, 1, 1});
  // A material by name with its colour, opacity (0..255) and, when image is given, its picture (as PNG).
  int AddMaterial(const std::string& name, engine::Color color, int opacity = 255,
                  const engine::EngineBitmap* image = nullptr);
  // Triangles carried by node. With skin >= 0 they bend with that skin's joints (and the node's own
  // placement plays no part); vertices then need joints and weights.
  void AddMesh(int node, const std::vector<Primitive>& primitives, int skin = -1);
  // A skin over joint nodes; their inverse bind matrices come from where the joints stand now.
  int AddSkin(const std::vector<int>& joints);
  void AddAnimation(const std::string& name, const std::vector<Channel>& channels);

  int NodeCount() const { return static_cast<int>(nodes_.size()); }
  // Each node's placement in the model's own space, as the nodes stand.
  std::vector<engine::Affine> RestPlacements() const;
  // The file's bytes.
  std::string Write() const;

 private:
  struct Node {
    std::string name;
    int parent = -1;
    engine::Vec3 translation;
    engine::Quat rotation;
    engine::Vec3 scale{1, 1, 1};
    int mesh = -1;
    int skin = -1;
  };
  struct Material {
    std::string name;
    engine::Color color;
    int opacity = 255;
    std::string png;  // empty: no picture
  };
  struct Mesh {
    std::vector<Primitive> primitives;
  };
  struct Animation {
    std::string name;
    std::vector<Channel> channels;
  };

  std::vector<Node> nodes_;
  std::vector<Material> materials_;
  std::vector<Mesh> meshes_;
  std::vector<std::vector<int>> skins_;
  std::vector<Animation> animations_;
};

}  // namespace assetgen
