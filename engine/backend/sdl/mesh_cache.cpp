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

void DescribeGeometryVertices() {
  const auto stride = static_cast<GLsizei>(sizeof(GeometryVertex));
  glEnableVertexAttribArray(kAttribPosition);
  glVertexAttribPointer(kAttribPosition, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(GeometryVertex, px)));
  glEnableVertexAttribArray(kAttribNormal);
  glVertexAttribPointer(kAttribNormal, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(GeometryVertex, nx)));
  glEnableVertexAttribArray(kAttribUv);
  glVertexAttribPointer(kAttribUv, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(GeometryVertex, u)));
}

MeshCache::~MeshCache() { Clear(); }

void MeshCache::Clear() {
  for (auto& [mesh, entry] : entries_) Release(entry.gpu);
  entries_.clear();
}

const GpuMesh& MeshCache::Mesh(const EngineMesh& mesh) {
  auto [it, added] = entries_.try_emplace(&mesh);
  Entry& entry = it->second;
  if (added) entry.mesh = EngineRef<const EngineMesh>(&mesh);
  entry.lastFrame = frame_;
  if (added || entry.revision != mesh.Revision()) Build(entry);
  return entry.gpu;
}

void MeshCache::Build(Entry& entry) {
  const MeshTriangles& triangles = MeshTrianglesOf(*entry.mesh);
  if (!entry.gpu.vao) {
    glGenVertexArrays(1, &entry.gpu.vao);
    glGenBuffers(1, &entry.gpu.vbo);
    glBindVertexArray(entry.gpu.vao);
    glBindBuffer(GL_ARRAY_BUFFER, entry.gpu.vbo);
    DescribeGeometryVertices();
  } else {
    glBindBuffer(GL_ARRAY_BUFFER, entry.gpu.vbo);
  }
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(triangles.vertices.size() * sizeof(GeometryVertex)),
               triangles.vertices.data(), GL_STATIC_DRAW);
  glBindVertexArray(0);
  entry.gpu.faces = triangles.faces;
  entry.revision = entry.mesh->Revision();
  ++builds_;
}

void MeshCache::EndFrame() {
  ++frame_;
  for (auto it = entries_.begin(); it != entries_.end();) {
    // A mesh only the cache still holds can never be drawn again: its buffers go at once.
    const bool orphaned = it->second.mesh->RefCount() == 1;
    if (!orphaned && frame_ - it->second.lastFrame <= kKeepFrames) {
      ++it;
      continue;
    }
    Release(it->second.gpu);
    it = entries_.erase(it);
  }
}

}  // namespace engine
