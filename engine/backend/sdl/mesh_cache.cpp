#include "backend/sdl/mesh_cache.h"

#include <cstddef>

namespace engine {

namespace {

void Release(GpuMesh& gpu) {
  if (gpu.vbo) glDeleteBuffers(1, &gpu.vbo);
  if (gpu.vao) glDeleteVertexArrays(1, &gpu.vao);
  gpu = GpuMesh{};
}

}  // namespace

MeshCache::~MeshCache() { Clear(); }

void MeshCache::Clear() {
  for (auto& [mesh, entry] : entries_) Release(entry.gpu);
  entries_.clear();
}

// Everything the triangles are made from: the kind's measures and, for a grid, every vertex height.
void MeshCache::Signature(const EngineMesh& mesh, std::vector<float>& out) {
  out.assign(mesh.Params().begin(), mesh.Params().end());
  out.push_back(static_cast<float>(mesh.GetKind()));
  const int cols = mesh.GridColumns(), rows = mesh.GridRows();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) out.push_back(mesh.VertexHeight(c, r));
}

const GpuMesh& MeshCache::Mesh(EngineMesh& mesh) {
  auto [it, added] = entries_.try_emplace(&mesh);
  Entry& entry = it->second;
  if (added) entry.mesh = EngineRef<EngineMesh>(&mesh);
  entry.lastFrame = frame_;
  Signature(mesh, scratch_);
  if (added || scratch_ != entry.signature) {
    entry.signature.swap(scratch_);
    Build(entry);
  }
  return entry.gpu;
}

void MeshCache::Build(Entry& entry) {
  const MeshGeometry geometry = BuildMeshGeometry(*entry.mesh);
  if (!entry.gpu.vao) {
    glGenVertexArrays(1, &entry.gpu.vao);
    glGenBuffers(1, &entry.gpu.vbo);
    glBindVertexArray(entry.gpu.vao);
    glBindBuffer(GL_ARRAY_BUFFER, entry.gpu.vbo);
    const auto stride = static_cast<GLsizei>(sizeof(MeshVertex));
    glEnableVertexAttribArray(kAttribPosition);
    glVertexAttribPointer(kAttribPosition, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(MeshVertex, px)));
    glEnableVertexAttribArray(kAttribNormal);
    glVertexAttribPointer(kAttribNormal, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(MeshVertex, nx)));
    glEnableVertexAttribArray(kAttribUv);
    glVertexAttribPointer(kAttribUv, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(MeshVertex, u)));
  } else {
    glBindBuffer(GL_ARRAY_BUFFER, entry.gpu.vbo);
  }
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(geometry.vertices.size() * sizeof(MeshVertex)),
               geometry.vertices.data(), GL_STATIC_DRAW);
  glBindVertexArray(0);
  entry.gpu.faces = geometry.faces;
  ++builds_;
}

void MeshCache::EndFrame() {
  ++frame_;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (frame_ - it->second.lastFrame <= kKeepFrames) {
      ++it;
      continue;
    }
    Release(it->second.gpu);
    it = entries_.erase(it);
  }
}

}  // namespace engine
