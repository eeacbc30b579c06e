// The engine's generated shapes as vertex buffers. A shape's triangles come from the core (the same ones
// picks test) and are uploaded once, and again only when the shape changed (its revision).
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/geometry.h"
#include "engine/engine_scene.h"

namespace engine {

struct GpuMesh {
  GLuint vao = 0;
  GLuint vbo = 0;
  std::vector<FaceRange> faces;
};

// Vertex attribute slots shared by every 3D shader.
enum MeshAttribute : GLuint { kAttribPosition = 0, kAttribNormal = 1, kAttribUv = 2 };

// Points the bound vertex array's attributes at interleaved GeometryVertex data in the bound buffer.
void DescribeGeometryVertices();

class MeshCache {
 public:
  MeshCache() = default;
  ~MeshCache();  // the GL context must be current
  MeshCache(const MeshCache&) = delete;
  MeshCache& operator=(const MeshCache&) = delete;

  const GpuMesh& Mesh(const EngineMesh& mesh);
  void EndFrame();
  void Clear();

  uint64_t Builds() const { return builds_; }

  static constexpr uint64_t kKeepFrames = 300;

 private:
  struct Entry {
    EngineRef<const EngineMesh> mesh;  // held so its address cannot be reused while cached
    GpuMesh gpu;
    uint64_t revision = 0;
    uint64_t lastFrame = 0;
  };

  void Build(Entry& entry);

  std::unordered_map<const EngineMesh*, Entry> entries_;
  uint64_t frame_ = 0;
  uint64_t builds_ = 0;
};

}  // namespace engine
