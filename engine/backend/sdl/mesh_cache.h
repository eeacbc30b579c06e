// Engine meshes as vertex buffers. A mesh's triangles are built once and again only when its measures or
// (for a grid) its vertex heights changed.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "backend/sdl/mesh_geometry.h"
#include "engine/engine_scene.h"

namespace engine {

struct GpuMesh {
  GLuint vao = 0;
  GLuint vbo = 0;
  std::vector<MeshFaceRange> faces;
};

// Vertex attribute slots shared by every 3D shader.
enum MeshAttribute : GLuint { kAttribPosition = 0, kAttribNormal = 1, kAttribUv = 2 };

class MeshCache {
 public:
  MeshCache() = default;
  ~MeshCache();  // the GL context must be current
  MeshCache(const MeshCache&) = delete;
  MeshCache& operator=(const MeshCache&) = delete;

  const GpuMesh& Mesh(EngineMesh& mesh);
  void EndFrame();
  void Clear();

  uint64_t Builds() const { return builds_; }

  static constexpr uint64_t kKeepFrames = 300;

 private:
  struct Entry {
    EngineRef<EngineMesh> mesh;  // held so its address cannot be reused while cached
    GpuMesh gpu;
    std::vector<float> signature;
    uint64_t lastFrame = 0;
  };

  static void Signature(const EngineMesh& mesh, std::vector<float>& out);
  void Build(Entry& entry);

  std::unordered_map<const EngineMesh*, Entry> entries_;
  std::vector<float> scratch_;
  uint64_t frame_ = 0;
  uint64_t builds_ = 0;
};

}  // namespace engine
