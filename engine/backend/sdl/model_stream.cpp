#include "backend/sdl/model_stream.h"

#include "backend/sdl/mesh_cache.h"

namespace engine {

ModelStream::~ModelStream() {
  if (vbo_) glDeleteBuffers(1, &vbo_);
  if (vao_) glDeleteVertexArrays(1, &vao_);
}

GLint ModelStream::Add(const std::vector<GeometryVertex>& batch) {
  const auto first = static_cast<GLint>(vertices_.size());
  vertices_.insert(vertices_.end(), batch.begin(), batch.end());
  return first;
}

void ModelStream::Upload() {
  if (vertices_.empty()) return;
  if (!vao_) {
    glGenVertexArrays(1, &vao_);
    glGenBuffers(1, &vbo_);
    glBindVertexArray(vao_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    DescribeGeometryVertices();
    glBindVertexArray(0);
  }
  glBindBuffer(GL_ARRAY_BUFFER, vbo_);
  // A fresh store each frame: the driver need not wait for last frame's draws to finish with the old one.
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(GeometryVertex)), vertices_.data(),
               GL_STREAM_DRAW);
}

}  // namespace engine
